// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RendererAccessibility.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ExecCase
{
    const char* name;
    const char* entry;
    const char* expected;
};

// Named rows for the Exec= rewrite: which lines change, and where the flag lands.
const ExecCase execCases[] = {
    {"PlainProgram", "[Desktop Entry]\nExec=/usr/bin/chromium %U\n",
     "[Desktop Entry]\nExec=/usr/bin/chromium --force-renderer-accessibility %U\n"},
    {"ProgramAlone", "[Desktop Entry]\nExec=chromium", "[Desktop Entry]\nExec=chromium --force-renderer-accessibility"},
    {"QuotedProgramWithSpaces", "[Desktop Entry]\nExec=\"/opt/My Browser/chrome\" %U\n",
     "[Desktop Entry]\nExec=\"/opt/My Browser/chrome\" --force-renderer-accessibility %U\n"},
    {"SpacesAroundTheKey", "[Desktop Entry]\nExec = chromium %U\n",
     "[Desktop Entry]\nExec = chromium --force-renderer-accessibility %U\n"},
    {"EnvWrapper", "[Desktop Entry]\nExec=env BAMF=1 LANG=C /usr/bin/brave --incognito\n",
     "[Desktop Entry]\nExec=env BAMF=1 LANG=C /usr/bin/brave --force-renderer-accessibility --incognito\n"},
    {"EnvUnset", "[Desktop Entry]\nExec=env -u NAME brave %U\n",
     "[Desktop Entry]\nExec=env -u NAME brave --force-renderer-accessibility %U\n"},
    {"FlatpakRun",
     "[Desktop Entry]\nExec=/usr/bin/flatpak run --branch=stable --command=chromium org.chromium.Chromium @@u %U @@\n",
     "[Desktop Entry]\nExec=/usr/bin/flatpak run --branch=stable --command=chromium org.chromium.Chromium "
     "--force-renderer-accessibility @@u %U @@\n"},
    {"ActionsToo",
     "[Desktop Entry]\nExec=chromium %U\n\n[Desktop Action new-private-window]\nName=Private\nExec=chromium "
     "--incognito\n",
     "[Desktop Entry]\nExec=chromium --force-renderer-accessibility %U\n\n[Desktop Action "
     "new-private-window]\nName=Private\nExec=chromium --force-renderer-accessibility --incognito\n"},
    {"FlagNotDuplicated", "[Desktop Entry]\nExec=chromium --force-renderer-accessibility %U\n",
     "[Desktop Entry]\nExec=chromium --force-renderer-accessibility %U\n"},
    {"OtherGroupsUntouched", "[Desktop Entry]\nExec=a\n[X-Other Group]\nExec=b\n",
     "[Desktop Entry]\nExec=a --force-renderer-accessibility\n[X-Other Group]\nExec=b\n"},
    {"TryExecAndLookalikesUntouched", "[Desktop Entry]\nTryExec=chromium\nX-Exec=c\nExec=chromium\n",
     "[Desktop Entry]\nTryExec=chromium\nX-Exec=c\nExec=chromium --force-renderer-accessibility\n"},
    {"EmptyExecLeftAlone", "[Desktop Entry]\nExec=\n", "[Desktop Entry]\nExec=\n"},
    {"UnterminatedQuoteLeftAlone", "[Desktop Entry]\nExec=\"/opt/My Browser/chrome %U\n",
     "[Desktop Entry]\nExec=\"/opt/My Browser/chrome %U\n"},
};

class ExecRewrite : public ::testing::TestWithParam<ExecCase>
{
};

TEST_P(ExecRewrite, AddsTheFlagRightAfterTheProgram)
{
    EXPECT_EQ(RendererAccessibility::withFlag(QString::fromUtf8(GetParam().entry)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, ExecRewrite, ::testing::ValuesIn(execCases),
                         [](const auto& info) { return std::string(info.param.name); });

const char* const systemEntry = "[Desktop Entry]\nName=Chromium\nExec=/usr/bin/chromium %U\nType=Application\n"
                                "\n[Desktop Action new-window]\nExec=/usr/bin/chromium\n";

// A home data folder and two system data folders, the first of which wins.
class Overrides : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        writeFile(system(0, "chromium"), systemEntry);
    }

    QString home() const { return m_dir.filePath("home"); }
    QString system(int index, const QString& id) const
    {
        return m_dir.filePath(QStringLiteral("system%1/applications/%2.desktop").arg(index).arg(id));
    }
    QString own(const QString& id) const { return home() + "/applications/" + id + ".desktop"; }
    RendererAccessibility switcher() const
    {
        return RendererAccessibility(home(), {m_dir.filePath("system0"), m_dir.filePath("system1")});
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(Overrides, EnableWritesAMarkedCopyAndDisableRemovesIt)
{
    const RendererAccessibility renderer = switcher();
    EXPECT_FALSE(renderer.isEnabled("chromium"));

    ASSERT_TRUE(renderer.enable("chromium"));
    EXPECT_TRUE(renderer.isEnabled("chromium"));
    const QByteArray written = read(own("chromium"));
    EXPECT_TRUE(written.startsWith("# Written by Horavane"));
    EXPECT_TRUE(written.endsWith(RendererAccessibility::withFlag(systemEntry).toUtf8()));
    EXPECT_EQ(read(system(0, "chromium")), systemEntry); // the system entry is only read

    EXPECT_TRUE(renderer.enable("chromium.desktop")); // again, and by file name: the same file
    EXPECT_EQ(read(own("chromium")), written);

    EXPECT_TRUE(renderer.disable("chromium"));
    EXPECT_FALSE(QFile::exists(own("chromium")));
    EXPECT_FALSE(renderer.isEnabled("chromium"));
}

TEST_F(Overrides, TheFirstDataFolderHoldingTheEntryIsCopied)
{
    writeFile(system(1, "chromium"), "[Desktop Entry]\nExec=/wrong/one\n");
    writeFile(system(1, "brave-browser"), "[Desktop Entry]\nExec=/usr/bin/brave\n");
    const RendererAccessibility renderer = switcher();
    ASSERT_TRUE(renderer.enable("chromium"));
    EXPECT_TRUE(read(own("chromium")).contains("/usr/bin/chromium --force-renderer-accessibility %U"));
    ASSERT_TRUE(renderer.enable("brave-browser"));
    EXPECT_TRUE(read(own("brave-browser")).contains("Exec=/usr/bin/brave --force-renderer-accessibility"));
}

TEST_F(Overrides, AnOverrideOfTheUsersOwnIsNeverTouched)
{
    const QByteArray mine = "[Desktop Entry]\nExec=/usr/bin/chromium --my-own-flag %U\n";
    writeFile(own("chromium"), mine);
    const RendererAccessibility renderer = switcher();
    EXPECT_FALSE(renderer.enable("chromium"));
    EXPECT_TRUE(renderer.disable("chromium")); // off already, and it stays
    EXPECT_EQ(read(own("chromium")), mine);

    // One that already has the flag counts as on, and is still not ours to remove.
    const QByteArray flagged = "[Desktop Entry]\nExec=chromium --force-renderer-accessibility\n";
    writeFile(own("chromium"), flagged);
    EXPECT_TRUE(renderer.isEnabled("chromium"));
    EXPECT_TRUE(renderer.enable("chromium"));
    EXPECT_FALSE(renderer.disable("chromium"));
    EXPECT_EQ(read(own("chromium")), flagged);
}

TEST_F(Overrides, NothingIsWrittenForIdsThatCouldLeaveTheFolder)
{
    writeFile(m_dir.filePath("system0/evil.desktop"), systemEntry);
    const RendererAccessibility renderer = switcher();
    for (const char* id : {"", "../evil", "..", "a/b", "sub/../chromium", ".desktop", ".hidden", "a\nb", "a\\b"}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(renderer.enable(id));
        EXPECT_FALSE(renderer.disable(id));
        EXPECT_FALSE(renderer.isEnabled(id));
    }
    EXPECT_FALSE(QDir(home()).exists());
}

TEST_F(Overrides, ASymlinkInPlaceOfTheOverrideIsNotFollowed)
{
    const QString outside = m_dir.filePath("outside.desktop");
    writeFile(outside, "[Desktop Entry]\nExec=x\n");
    QDir().mkpath(home() + "/applications");
    ASSERT_TRUE(QFile::link(outside, own("chromium")));
    const RendererAccessibility renderer = switcher();
    EXPECT_FALSE(renderer.enable("chromium"));
    EXPECT_EQ(read(outside), "[Desktop Entry]\nExec=x\n");
}

TEST_F(Overrides, WithoutASystemEntryOrACommandNothingIsWritten)
{
    writeFile(system(0, "launcher-only"), "[Desktop Entry]\nName=No command\nDBusActivatable=true\n");
    const RendererAccessibility renderer = switcher();
    EXPECT_FALSE(renderer.enable("not-installed"));
    EXPECT_FALSE(renderer.enable("launcher-only"));
    EXPECT_FALSE(QFile::exists(own("not-installed")));
    EXPECT_FALSE(QFile::exists(own("launcher-only")));
    EXPECT_TRUE(renderer.disable("not-installed")); // nothing of ours, nothing on
}

TEST_F(Overrides, ARelativeDataHomeIsRefused)
{
    const RendererAccessibility renderer("relative/home", {m_dir.filePath("system0")});
    EXPECT_FALSE(renderer.enable("chromium"));
    EXPECT_FALSE(QDir("relative").exists());
}
