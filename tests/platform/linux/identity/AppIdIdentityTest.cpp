// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppIdIdentity.h"
#include "DesktopEntries.h"
#include "TestFiles.h"
#include "WorkspacePrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

class AppIds : public ::testing::Test
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
        writeFile(apps + "/org.gnome.Calculator.desktop",
                  "[Desktop Entry]\nType=Application\nName=Calculator\nExec=gnome-calculator\n");
        writeFile(apps + "/org.example.Editor.desktop",
                  "[Desktop Entry]\nType=Application\nName=Editor\nExec=example-editor-with-a-long-name %F\n");
        writeFile(apps + "/org.mozilla.firefox.desktop", "[Desktop Entry]\nType=Application\nName=Firefox\n"
                                                         "Exec=/usr/bin/flatpak run org.mozilla.firefox\n");
        m_entries = DesktopEntries::load({apps}, {});
        process(30, 1, "gnome-calculato"); // comm keeps 15 bytes
        process(35, 1, "example-editor-");
        process(41, 40, "chromium"); // a helper, listed before the browser it belongs to
        process(40, 1, "chromium");
        process(50, 1, "firefox-esr");
        process(51, 1, "firefox-esr");
        process(60, 1, "foot");
        process(70, 1, "firefox");
        writeFile(proc() + "/70/root/.flatpak-info", "[Application]\nname=org.mozilla.firefox\n");
    }

    void process(qint64 pid, qint64 parent, const QByteArray& comm)
    {
        const QString folder = proc() + '/' + QString::number(pid);
        writeFile(folder + "/comm", comm + '\n');
        writeFile(folder + "/stat",
                  QByteArray::number(pid) + " (" + comm + ") S " + QByteArray::number(parent) + " 1 1\n");
    }

    QString proc() const { return m_dir.path() + "/proc"; }

    QTemporaryDir m_dir;
    DesktopEntries m_entries;
};

TEST_F(AppIds, EntryAndProcess)
{
    struct Row
    {
        const char* label;
        QString appId;
        qint64 pid;
        std::optional<RunningApp> expected;
    };
    const Row rows[] = {
        {"desktop id, pid of the entry's program", "org.gnome.Calculator", 0,
         RunningApp{"org.gnome.Calculator", "Calculator", 30}},
        {"desktop file name, program name cut like comm", "org.example.Editor.desktop", 0,
         RunningApp{"org.example.Editor", "Editor", 35}},
        {"class-like id against StartupWMClass, the browser not its helper", "Chromium", 0,
         RunningApp{"chromium", "Chromium Web Browser", 40}},
        {"the compositor's pid wins", "firefox-esr", 51, RunningApp{"firefox-esr", "Firefox ESR", 51}},
        {"the sandbox behind the compositor's pid", "firefox", 70, RunningApp{"org.mozilla.firefox", "Firefox", 70}},
        {"no entry: the id names it, its program by the same name", "foot", 0, RunningApp{"foot", "foot", 60}},
        {"no entry and no process", "XCalc", 0, RunningApp{"XCalc", "XCalc", 0}},
        {"nothing known", "", 0, std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(AppIdIdentity::resolve(row.appId, row.pid, m_entries, proc()), row.expected) << row.label;
}
