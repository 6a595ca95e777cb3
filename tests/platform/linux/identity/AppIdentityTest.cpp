// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppIdentity.h"
#include "DesktopEntries.h"
#include "TestFiles.h"
#include "WorkspacePrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString cgroup(const QString& unit)
{
    return "0::/user.slice/user-1000.slice/user@1000.service/app.slice/" + unit + "\n";
}

} // namespace

TEST(CgroupScopes, ApplicationUnitsInEveryForm)
{
    using Kind = ScopeApp::Kind;
    struct Row
    {
        const char* label;
        QString text;
        std::optional<ScopeApp> expected;
    };
    const Row rows[] = {
        {"GNOME escapes dashes", cgroup("app-gnome-firefox\\x2desr-34054.scope"),
         ScopeApp{Kind::desktop, {"firefox-esr", "gnome-firefox-esr"}}},
        {"service with instance", cgroup("app-org.kde.konsole@0f3c1e.service"),
         ScopeApp{Kind::desktop, {"org.kde.konsole"}}},
        {"service without instance", cgroup("app-gnome-org.gnome.Nautilus.service"),
         ScopeApp{Kind::desktop, {"org.gnome.Nautilus", "gnome-org.gnome.Nautilus"}}},
        {"scope without launcher", cgroup("app-chromium-8812.scope"), ScopeApp{Kind::desktop, {"chromium"}}},
        {"unescaped dashes are ambiguous", cgroup("app-gnome-foo-bar-99.scope"),
         ScopeApp{Kind::desktop, {"foo-bar", "gnome-foo-bar"}}},
        {"uuid instance", cgroup("app-org.kde.dolphin-5b1e7f0a-9c2d-4e8f-a1b2-c3d4e5f60718.scope"),
         ScopeApp{Kind::desktop, {"org.kde.dolphin"}}},
        {"Flatpak", cgroup("app-flatpak-org.mozilla.firefox-4242.scope"),
         ScopeApp{Kind::flatpak, {"org.mozilla.firefox"}}},
        {"snap",
         "0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
         "snap.firefox.firefox-2c8f5a3e-7f1a-4e0c-9b2d-3e7a2a1b6c4d.scope\n",
         ScopeApp{Kind::snap, {"firefox_firefox"}}},
        {"deepest unit decides", cgroup("app-gnome-xterm-12.scope/sub-group.scope"),
         ScopeApp{Kind::desktop, {"xterm", "gnome-xterm"}}},
        {"cgroup v1 systemd line", "12:pids:/user.slice\n1:name=systemd:/user.slice/app-kde-okular-3.scope\n",
         ScopeApp{Kind::desktop, {"okular", "kde-okular"}}},
        {"terminal's spawn scope under an app slice", cgroup("app-org.gnome.Terminal.slice/vte-spawn-1234.scope"),
         std::nullopt},
        {"login session", "0::/user.slice/user-1000.slice/session-2.scope\n", std::nullopt},
        {"no unit", "0::/\n", std::nullopt},
        {"empty", "", std::nullopt},
        {"bare app prefix", cgroup("app-.scope"), std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(AppIdentity::scopeApp(row.text), row.expected) << row.label;
}

TEST(FlatpakInfo, NameOfTheApplicationGroup)
{
    EXPECT_EQ(AppIdentity::flatpakId("[Instance]\nname=wrong\n\n[Application]\nruntime=x\nname=org.gimp.GIMP\n"),
              "org.gimp.GIMP");
    EXPECT_EQ(AppIdentity::flatpakId("[Runtime]\nname=org.freedesktop.Platform\n"), "");
    EXPECT_EQ(AppIdentity::flatpakId(""), "");
}

TEST(ProcessFacts, ReadFromTheProcFolder)
{
    QTemporaryDir proc;
    writeFile(proc.path() + "/42/cgroup", cgroup("app-gnome-gimp-42.scope").toUtf8());
    writeFile(proc.path() + "/42/comm", "gimp-2.10\n");
    writeFile(proc.path() + "/42/root/.flatpak-info", "[Application]\nname=org.gimp.GIMP\n");
    WindowFacts facts;
    facts.pid = 42;
    AppIdentity::readProcess(facts, proc.path());
    EXPECT_EQ(facts.command, "gimp-2.10");
    EXPECT_EQ(facts.flatpakId, "org.gimp.GIMP");
    EXPECT_TRUE(facts.cgroup.contains("app-gnome-gimp-42.scope"));

    WindowFacts gone;
    gone.pid = 43; // the process has ended: nothing, and no harm
    AppIdentity::readProcess(gone, proc.path());
    EXPECT_EQ(gone.command, "");
    EXPECT_EQ(gone.cgroup, "");
}

class Identities : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString apps = m_dir.path() + "/applications";
        writeFile(
            apps + "/firefox-esr.desktop",
            "[Desktop Entry]\nType=Application\nName=Firefox ESR\nExec=firefox-esr %u\nStartupWMClass=firefox-esr\n");
        writeFile(apps + "/chromium.desktop", "[Desktop Entry]\nType=Application\nName=Chromium Web Browser\n"
                                              "Exec=/usr/bin/chromium %U\nStartupWMClass=chromium\n");
        writeFile(apps + "/debian-xterm.desktop",
                  "[Desktop Entry]\nType=Application\nName=XTerm\nExec=xterm\nStartupWMClass=XTerm\n");
        writeFile(apps + "/org.gnome.Calculator.desktop",
                  "[Desktop Entry]\nType=Application\nName=Calculator\nExec=gnome-calculator\n");
        writeFile(apps + "/org.example.Editor.desktop",
                  "[Desktop Entry]\nType=Application\nName=Editor\nExec=example-editor-with-a-long-name %F\n");
        writeFile(apps + "/org.mozilla.firefox.desktop", "[Desktop Entry]\nType=Application\nName=Firefox\n"
                                                         "Exec=/usr/bin/flatpak run org.mozilla.firefox\n");
        m_entries = DesktopEntries::load({apps}, {});
    }

    QTemporaryDir m_dir;
    DesktopEntries m_entries;
};

TEST_F(Identities, PreferenceOrder)
{
    const QString terminalScope = cgroup("app-gnome-debian\\x2dxterm-77.scope");
    struct Row
    {
        const char* label;
        WindowFacts facts;
        std::optional<RunningApp> expected;
    };
    const Row rows[] = {
        {"GTK application id first",
         {.gtkApplicationId = "org.gnome.Calculator",
          .instance = "gnome-calculator",
          .windowClass = "Gnome-calculator",
          .pid = 10},
         RunningApp{"org.gnome.Calculator", "Calculator", 10}},
        {"GTK id without an entry is named by the class",
         {.gtkApplicationId = "org.example.Gone", .windowClass = "Gone", .pid = 11},
         RunningApp{"org.example.Gone", "Gone", 11}},
        {"KDE desktop file, suffix dropped",
         {.kdeDesktopFile = "org.example.Editor.desktop", .windowClass = "editor", .pid = 12},
         RunningApp{"org.example.Editor", "Editor", 12}},
        {"Flatpak sandbox beats scope and class",
         {.windowClass = "firefox",
          .pid = 13,
          .flatpakId = "org.mozilla.firefox",
          .cgroup = cgroup("app-gnome-firefox\\x2desr-13.scope")},
         RunningApp{"org.mozilla.firefox", "Firefox", 13}},
        {"Flatpak scope when the sandbox info is unreadable",
         {.windowClass = "firefox", .pid = 14, .cgroup = cgroup("app-flatpak-org.mozilla.firefox-14.scope")},
         RunningApp{"org.mozilla.firefox", "Firefox", 14}},
        {"snap scope",
         {.windowClass = "firefox",
          .pid = 15,
          .cgroup = cgroup("snap.firefox.firefox-2c8f5a3e-7f1a-4e0c-9b2d-3e7a2a1b6c4d.scope")},
         RunningApp{"firefox_firefox", "firefox", 15}},
        {"scope confirmed by the program name",
         {.instance = "main",
          .windowClass = "Main",
          .pid = 16,
          .cgroup = cgroup("app-gnome-org.example.Editor-16.scope"),
          .command = "example-editor-"},
         RunningApp{"org.example.Editor", "Editor", 16}},
        {"scope inherited from a terminal is ignored",
         {.instance = "xcalc", .windowClass = "XCalc", .pid = 17, .cgroup = terminalScope, .command = "xcalc"},
         RunningApp{"XCalc", "XCalc", 17}},
        {"the terminal itself in its scope",
         {.instance = "xterm", .windowClass = "XTerm", .pid = 18, .cgroup = terminalScope, .command = "xterm"},
         RunningApp{"debian-xterm", "XTerm", 18}},
        {"WM_CLASS against StartupWMClass",
         {.instance = "chromium (/tmp/p)", .windowClass = "Chromium", .pid = 19, .command = "chromium"},
         RunningApp{"chromium", "Chromium Web Browser", 19}},
        {"WM_CLASS without pid",
         {.instance = "Navigator", .windowClass = "firefox-esr"},
         RunningApp{"firefox-esr", "Firefox ESR", 0}},
        {"no entry: the class is id and name",
         {.instance = "xcalc", .windowClass = "XCalc", .pid = 20},
         RunningApp{"XCalc", "XCalc", 20}},
        {"no entry and no class: the instance", {.instance = "tool", .pid = 21}, RunningApp{"tool", "tool", 21}},
        {"only a process", {.pid = 22, .command = "daemon"}, RunningApp{"daemon", "daemon", 22}},
        {"nothing known", {.pid = 23}, std::nullopt},
        {"nothing at all", {}, std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(AppIdentity::resolve(row.facts, m_entries), row.expected) << row.label;
}
