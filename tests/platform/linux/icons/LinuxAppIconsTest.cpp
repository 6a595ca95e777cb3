// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinuxAppIcons.h"
#include "TestFiles.h"

#include <QDir>
#include <QIcon>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ValueCase
{
    const char* name;
    const char* entry;
    const char* expected;
};

const ValueCase valueCases[] = {
    {"plain", "[Desktop Entry]\nName=A\nIcon=accessories-calculator\n", "accessories-calculator"},
    {"spacesAroundEquals", "[Desktop Entry]\nIcon = org.gnome.Calculator \n", "org.gnome.Calculator"},
    {"path", "[Desktop Entry]\nIcon=/opt/app/icon.png\n", "/opt/app/icon.png"},
    {"localizedIgnored", "[Desktop Entry]\nIcon[de]=de-icon\nIcon=icon\n", "icon"},
    {"onlyLocalized", "[Desktop Entry]\nIcon[de]=de-icon\n", ""},
    {"otherKeyWithThePrefix", "[Desktop Entry]\nIconName=x\n", ""},
    {"actionGroupIgnored", "[Desktop Entry]\nName=A\n[Desktop Action new]\nIcon=action\n", ""},
    {"beforeTheGroup", "Icon=stray\n[Desktop Entry]\nName=A\n", ""},
    {"none", "[Desktop Entry]\nName=A\n", ""},
    {"crlf", "[Desktop Entry]\r\nIcon=windows\r\n", "windows"},
};

class IconValueTest : public ::testing::TestWithParam<ValueCase>
{
};

TEST_P(IconValueTest, Parses)
{
    EXPECT_EQ(LinuxAppIcons::iconValue(GetParam().entry), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Entries, IconValueTest, ::testing::ValuesIn(valueCases),
                         [](const auto& info) { return std::string(info.param.name); });

class LinuxAppIconsTest : public ::testing::Test
{
protected:
    LinuxAppIconsTest()
    {
        // A theme that only this test fills, so the machine's own icons play no part.
        QIcon::setThemeSearchPaths({path(QStringLiteral("theme"))});
        QIcon::setThemeName(QStringLiteral("Test"));
        write(QStringLiteral("theme/Test/index.theme"),
              "[Icon Theme]\nName=Test\nDirectories=48x48/apps\n\n[48x48/apps]\nSize=48\nType=Fixed\n");
    }

    QString path(const QString& relative) const { return m_root.path() + u'/' + relative; }
    void write(const QString& relative, const QByteArray& bytes) const { writeFile(path(relative), bytes); }
    void writeImage(const QString& relative, const QColor& color, int side = 48) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(path(relative)));
    }
    void entry(const QString& relative, const QString& icon) const
    {
        write(relative, "[Desktop Entry]\nType=Application\nName=X\nExec=x\nIcon=" + icon.toUtf8() + "\n");
    }
    LinuxAppIcons icons() const
    {
        return LinuxAppIcons({{path(QStringLiteral("first/applications")), path(QStringLiteral("second/applications"))},
                              {path(QStringLiteral("first/icons")), path(QStringLiteral("second/icons"))},
                              {path(QStringLiteral("pixmaps"))}});
    }
    static QColor colorOf(const std::optional<QImage>& image)
    {
        return image ? image->pixelColor(image->width() / 2, image->height() / 2) : QColor();
    }

    QTemporaryDir m_root;
};

TEST_F(LinuxAppIconsTest, EntryIconFromEveryKindOfPlace)
{
    writeImage(QStringLiteral("opt/by-path.png"), Qt::red);
    entry(QStringLiteral("first/applications/by-path.desktop"), path(QStringLiteral("opt/by-path.png")));
    writeImage(QStringLiteral("theme/Test/48x48/apps/themed.png"), Qt::green);
    entry(QStringLiteral("first/applications/themed.desktop"), QStringLiteral("themed"));
    writeImage(QStringLiteral("second/icons/hicolor/128x128/apps/hicolor-only.png"), Qt::blue, 128);
    entry(QStringLiteral("second/applications/kde/hicolor-only.desktop"), QStringLiteral("hicolor-only"));
    writeImage(QStringLiteral("pixmaps/pixmap.png"), Qt::yellow);
    entry(QStringLiteral("first/applications/pixmap.desktop"), QStringLiteral("pixmap"));
    writeImage(QStringLiteral("pixmaps/with-extension.png"), Qt::magenta);
    entry(QStringLiteral("first/applications/with-extension.desktop"), QStringLiteral("with-extension.png"));

    const LinuxAppIcons appIcons = icons();
    EXPECT_EQ(colorOf(appIcons.icon(QStringLiteral("by-path"))), QColor(Qt::red));
    EXPECT_EQ(colorOf(appIcons.icon(QStringLiteral("themed"))), QColor(Qt::green));
    EXPECT_EQ(colorOf(appIcons.icon(QStringLiteral("kde-hicolor-only"))), QColor(Qt::blue)); // id from the subfolder
    EXPECT_EQ(colorOf(appIcons.icon(QStringLiteral("pixmap"))), QColor(Qt::yellow));
    EXPECT_EQ(colorOf(appIcons.icon(QStringLiteral("with-extension"))), QColor(Qt::magenta));
}

TEST_F(LinuxAppIconsTest, EarlierFolderWins)
{
    writeImage(QStringLiteral("first.png"), Qt::red);
    writeImage(QStringLiteral("second.png"), Qt::blue);
    entry(QStringLiteral("first/applications/app.desktop"), path(QStringLiteral("first.png")));
    entry(QStringLiteral("second/applications/app.desktop"), path(QStringLiteral("second.png")));
    EXPECT_EQ(colorOf(icons().icon(QStringLiteral("app"))), QColor(Qt::red));
}

TEST_F(LinuxAppIconsTest, NoIconForUnknownOrBrokenEntries)
{
    write(QStringLiteral("first/applications/no-icon.desktop"), "[Desktop Entry]\nName=X\n");
    entry(QStringLiteral("first/applications/missing.desktop"), QStringLiteral("no-such-icon"));
    entry(QStringLiteral("first/applications/missing-path.desktop"), path(QStringLiteral("nowhere.png")));
    entry(QStringLiteral("first/applications/relative-path.desktop"), QStringLiteral("../../pixmaps/x"));
    write(QStringLiteral("first/applications/not-an-image.desktop"),
          "[Desktop Entry]\nIcon=" + path(QStringLiteral("first/applications/no-icon.desktop")).toUtf8() + "\n");
    writeImage(QStringLiteral("pixmaps/x.png"), Qt::red);

    const LinuxAppIcons appIcons = icons();
    for (const char* id : {"no-icon", "missing", "missing-path", "relative-path", "not-an-image", "Some Tool", ""})
        EXPECT_FALSE(appIcons.icon(QString::fromUtf8(id))) << id;
}

TEST_F(LinuxAppIconsTest, LargeIconsAreReadScaledDown)
{
    writeImage(QStringLiteral("huge.png"), Qt::cyan, 1024);
    entry(QStringLiteral("first/applications/huge.desktop"), path(QStringLiteral("huge.png")));
    const auto image = icons().icon(QStringLiteral("huge"));
    ASSERT_TRUE(image);
    EXPECT_LE(image->width(), 256);
    EXPECT_EQ(colorOf(image), QColor(Qt::cyan));
}

TEST_F(LinuxAppIconsTest, GenericIconFromTheThemeOrDrawn)
{
    const LinuxAppIcons empty = icons();
    const QImage drawn = empty.genericIcon();
    EXPECT_FALSE(drawn.isNull());
    EXPECT_EQ(empty.genericIcon(), drawn);

    writeImage(QStringLiteral("second/icons/Adwaita/48x48/mimetypes/application-x-executable.png"), Qt::darkGreen);
    EXPECT_EQ(colorOf(icons().genericIcon()), QColor(Qt::darkGreen));
}

} // namespace
