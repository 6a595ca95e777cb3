// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopEntries.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray entry(const QByteArray& name, const QByteArray& extra = {})
{
    return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + name.toLower() + "\n" + extra;
}

QString idOf(const DesktopEntry* entry)
{
    return entry ? entry->id : QStringLiteral("<none>");
}

// Sets an environment variable for the life of the object.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};

} // namespace

TEST(NameLocales, ParseThePartsOfALocaleName)
{
    struct Row
    {
        const char* label;
        QString text;
        NameLocale expected;
    };
    const Row rows[] = {
        {"everything", "de_AT.UTF-8@euro", {"de", "AT", "euro"}},
        {"no encoding", "pt_BR", {"pt", "BR", {}}},
        {"modifier only", "sr@latin", {"sr", {}, "latin"}},
        {"language only", "fr", {"fr", {}, {}}},
        {"C with encoding", "C.UTF-8", {}},
        {"POSIX", "POSIX", {}},
        {"empty", "", {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(NameLocale::parse(row.text), row.expected) << row.label;
}

TEST(NameLocales, TagsGoFromMostToLeastSpecific)
{
    EXPECT_EQ(NameLocale::parse("de_AT@euro").tags(), QStringList({"de_AT@euro", "de_AT", "de@euro", "de"}));
    EXPECT_EQ(NameLocale::parse("de_AT").tags(), QStringList({"de_AT", "de"}));
    EXPECT_EQ(NameLocale::parse("C").tags(), QStringList());
}

TEST(NameLocales, LcAllBeatsLcMessagesBeatsLang)
{
    ScopedEnvironment lang("LANG", "fr_FR.UTF-8");
    ScopedEnvironment messages("LC_MESSAGES", "de_DE.UTF-8");
    ScopedEnvironment all("LC_ALL", "");
    EXPECT_EQ(NameLocale::fromEnvironment().language, "de"); // an empty LC_ALL does not count
    qputenv("LC_ALL", "it_IT");
    EXPECT_EQ(NameLocale::fromEnvironment().language, "it");
}

TEST(DesktopFiles, NameFollowsTheLocaleFallbackOrder)
{
    const QByteArray text = "[Desktop Entry]\nType=Application\nName=Plain\nName[de]=De\nName[de_AT]=DeAt\n"
                            "Name[de@euro]=DeEuro\nName[de_AT@euro]=DeAtEuro\n";
    struct Row
    {
        const char* locale;
        const char* expected;
    };
    const Row rows[] = {
        {"de_AT@euro", "DeAtEuro"}, {"de_AT", "DeAt"}, {"de_CH@euro", "DeEuro"}, {"de_CH", "De"},
        {"fr_FR", "Plain"},         {"C", "Plain"},
    };
    for (const Row& row : rows) {
        const auto parsed = DesktopFile::parse(text, "x", NameLocale::parse(row.locale));
        ASSERT_TRUE(parsed) << row.locale;
        EXPECT_EQ(parsed->name, row.expected) << row.locale;
    }
}

TEST(DesktopFiles, ReadOnlyTheMainGroup)
{
    const QByteArray text = "# comment\n[Desktop Entry]\n Name = Editor \nStartupWMClass=ed\\sit\nHidden=true\n"
                            "[Desktop Action new]\nName=New Window\nExec=other\n";
    const auto parsed = DesktopFile::parse(text, "editor", {});
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->name, "Editor");
    EXPECT_EQ(parsed->startupWMClass, "ed it");
    EXPECT_TRUE(parsed->hidden);
    EXPECT_EQ(parsed->program, ""); // the action's Exec is not the application's
}

TEST(DesktopFiles, NonApplicationsAreNotEntries)
{
    EXPECT_FALSE(DesktopFile::parse("[Desktop Entry]\nType=Link\nName=Site\nURL=https://example.com\n", "x", {}));
    EXPECT_FALSE(DesktopFile::parse("[Other Group]\nName=Stray\n", "x", {}));
    EXPECT_FALSE(DesktopFile::parse(QByteArray("\xff\xfe garbage", 10), "x", {}));
}

TEST(DesktopFiles, IdsComeFromThePathBelowApplications)
{
    EXPECT_EQ(DesktopFile::idFromRelativePath("firefox-esr.desktop"), "firefox-esr");
    EXPECT_EQ(DesktopFile::idFromRelativePath("kde4/konsole.desktop"), "kde4-konsole");
}

class DesktopIndex : public ::testing::Test
{
protected:
    QString user() const { return m_dir.path() + "/user/applications"; }
    QString system() const { return m_dir.path() + "/system/applications"; }
    DesktopEntries load() const { return DesktopEntries::load({user(), system(), m_dir.path() + "/missing"}, {}); }

    QTemporaryDir m_dir;
};

TEST_F(DesktopIndex, AnEarlierFolderHidesALaterEntryWithTheSameId)
{
    writeFile(system() + "/editor.desktop", entry("System Editor"));
    writeFile(user() + "/editor.desktop", entry("User Editor"));
    writeFile(system() + "/viewer.desktop", entry("Viewer"));
    const DesktopEntries entries = load();
    ASSERT_TRUE(entries.find("editor"));
    EXPECT_EQ(entries.find("editor")->name, "User Editor");
    EXPECT_EQ(idOf(entries.find("viewer")), "viewer");
    EXPECT_EQ(entries.find("Viewer"), nullptr); // ids are exact
    EXPECT_EQ(entries.size(), 2);
}

TEST_F(DesktopIndex, AHiddenEntryDeletesTheIdEverywhere)
{
    writeFile(system() + "/editor.desktop", entry("Editor", "StartupWMClass=Edit\n"));
    writeFile(user() + "/editor.desktop", "[Desktop Entry]\nHidden=true\n");
    const DesktopEntries entries = load();
    EXPECT_EQ(entries.find("editor"), nullptr);
    EXPECT_EQ(entries.matchWindowClass("edit", "Edit"), nullptr);
    EXPECT_EQ(entries.matchWindowClass("editor", "Editor"), nullptr);
}

TEST_F(DesktopIndex, SubfoldersAndOnlyDesktopFilesCount)
{
    writeFile(system() + "/kde/konsole.desktop", entry("Konsole"));
    writeFile(system() + "/notes.txt", entry("Notes"));
    const DesktopEntries entries = load();
    EXPECT_EQ(idOf(entries.find("kde-konsole")), "kde-konsole");
    EXPECT_EQ(entries.size(), 1);
}

TEST_F(DesktopIndex, WindowClassMatchingOrder)
{
    writeFile(system() + "/chromium.desktop", entry("Chromium Web Browser", "StartupWMClass=chromium\n"));
    writeFile(system() + "/debian-xterm.desktop", entry("XTerm", "StartupWMClass=XTerm\n"));
    writeFile(system() + "/navigator.desktop", entry("Navigator"));
    writeFile(system() + "/firefox-esr.desktop", entry("Firefox ESR", "StartupWMClass=firefox-esr\n"));
    writeFile(system() + "/org.gnome.Calculator.desktop", entry("Calculator"));
    writeFile(system() + "/b-editor.desktop", entry("B", "StartupWMClass=Editor\n"));
    writeFile(system() + "/a-editor.desktop", entry("A", "StartupWMClass=Editor\n"));
    writeFile(user() + "/z-editor.desktop", entry("Z", "StartupWMClass=Editor\n"));
    const DesktopEntries entries = load();
    struct Row
    {
        const char* label;
        const char* instance;
        const char* windowClass;
        const char* expected;
    };
    const Row rows[] = {
        {"StartupWMClass without case", "chromium (/tmp/profile)", "Chromium", "chromium"},
        {"StartupWMClass on the class", "xterm", "XTerm", "debian-xterm"},
        {"class before instance, StartupWMClass before file name", "Navigator", "firefox-esr", "firefox-esr"},
        {"file name without case", "org.gnome.Calculator", "Org.gnome.Calculator", "org.gnome.Calculator"},
        {"instance when the class says nothing", "navigator", "Unknown", "navigator"},
        {"shared StartupWMClass: earlier folder", "editor", "Editor", "z-editor"},
        {"no match", "xcalc", "XCalc", "<none>"},
        {"no WM_CLASS", "", "", "<none>"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(idOf(entries.matchWindowClass(row.instance, row.windowClass)), row.expected) << row.label;
}

TEST_F(DesktopIndex, SharedStartupWMClassInOneFolderIsDecidedByFileName)
{
    writeFile(system() + "/b-editor.desktop", entry("B", "StartupWMClass=Editor\n"));
    writeFile(system() + "/a-editor.desktop", entry("A", "StartupWMClass=Editor\n"));
    EXPECT_EQ(idOf(load().matchWindowClass("editor", "Editor")), "a-editor");
}

TEST(DesktopFolders, UserFirstThenDataDirsThenExports)
{
    ScopedEnvironment home("XDG_DATA_HOME", "/home/u/.local/share");
    ScopedEnvironment dirs("XDG_DATA_DIRS", "/var/lib/flatpak/exports/share:/usr/share/:/usr/share");
    const QStringList folders = DesktopEntries::standardFolders();
    ASSERT_GE(folders.size(), 4);
    EXPECT_EQ(folders[0], "/home/u/.local/share/applications");
    EXPECT_EQ(folders[1], "/var/lib/flatpak/exports/share/applications");
    EXPECT_EQ(folders[2], "/usr/share/applications");
    EXPECT_EQ(folders.count("/usr/share/applications"), 1);
    EXPECT_EQ(folders.count("/var/lib/flatpak/exports/share/applications"), 1);
    EXPECT_EQ(folders.last(), "/var/lib/snapd/desktop/applications");
}
