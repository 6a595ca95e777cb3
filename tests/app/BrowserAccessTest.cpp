// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserAccess.h"
#include "FakeAccessibility.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class BrowserAccessTest : public ::testing::Test
{
protected:
    BrowserAccessTest()
    {
        QDir().mkpath(dir.filePath("system/applications"));
        QFile entry(dir.filePath("system/applications/chromium.desktop"));
        EXPECT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=Chromium\nExec=/usr/bin/chromium %U\n");
    }

    BrowserAccess access(std::optional<BrowserAccess::Browser> blocked)
    {
        return BrowserAccess(
            desktop, renderer, [blocked] { return blocked; },
            [this](const QString& question) {
                asked.append(question);
                return allow;
            },
            [this](const QString& message) { told.append(message); });
    }
    QString launcher() const
    {
        QFile file(dir.filePath("home/applications/chromium.desktop"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir dir;
    FakeAccessibility desktop;
    RendererAccessibility renderer{dir.filePath("home"), {dir.filePath("system")}};
    bool allow = true;
    QStringList asked;
    QStringList told;
};

const BrowserAccess::Browser chromium{"chromium", "Chromium"};

} // namespace

TEST_F(BrowserAccessTest, AllowingABrowserAddsTheFlagToItsLauncherAndSaysToRestart)
{
    access(chromium).enableRendererAccessibility();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked.first().startsWith("Chromium lets Horavane see the page in front"));
    EXPECT_TRUE(launcher().contains("Exec=/usr/bin/chromium --force-renderer-accessibility %U"));
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told.first().contains("start it again"));

    access(chromium).enableRendererAccessibility(); // already allowed: not asked again
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(told.size(), 2);
}

TEST_F(BrowserAccessTest, DecliningChangesNothing)
{
    allow = false;
    access(chromium).enableRendererAccessibility();
    EXPECT_EQ(asked.size(), 1);
    EXPECT_TRUE(launcher().isEmpty());
    EXPECT_TRUE(told.isEmpty());
}

TEST_F(BrowserAccessTest, AnUnknownBrowserIsReportedNotGuessed)
{
    access(BrowserAccess::Browser{"no-such-browser", "Nowhere"}).enableRendererAccessibility();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told.first().contains("--force-renderer-accessibility"));
    access(std::nullopt).enableRendererAccessibility(); // no browser refused yet
    EXPECT_EQ(asked.size(), 1);
    ASSERT_EQ(told.size(), 2);
    EXPECT_TRUE(told.last().contains("Bring the browser to the front"));
}

TEST_F(BrowserAccessTest, SwitchingAccessibilityOnIsAskedFirst)
{
    allow = false;
    access(chromium).enable();
    EXPECT_EQ(desktop.enableRequests, 0);
    allow = true;
    access(chromium).enable();
    EXPECT_EQ(desktop.enableRequests, 1);
    EXPECT_EQ(asked.size(), 2);
}

TEST_F(BrowserAccessTest, AccessibilityGoesToTheDesktop)
{
    access(chromium).openSettings();
    EXPECT_EQ(desktop.settingsOpenings, 1);
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(BrowserAccessTest, WithAccessibilityOffOneQuestionSwitchesItOnAndAddsTheFlag)
{
    desktop.enabled = false;
    allow = false;
    access(chromium).enableRendererAccessibility();
    EXPECT_EQ(desktop.enableRequests, 0);
    EXPECT_TRUE(launcher().isEmpty());

    allow = true;
    access(chromium).enableRendererAccessibility();
    EXPECT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked.last().contains("switched off") && asked.last().contains("renderer accessibility"));
    EXPECT_EQ(desktop.enableRequests, 1);
    EXPECT_TRUE(launcher().contains("--force-renderer-accessibility"));

    // The flag is there but the switch is off again: only the switch is asked for.
    access(chromium).enableRendererAccessibility();
    EXPECT_FALSE(asked.last().contains("launcher"));
    EXPECT_EQ(desktop.enableRequests, 2);

    access(std::nullopt).enableRendererAccessibility(); // no browser known yet
    EXPECT_EQ(desktop.enableRequests, 3);
    EXPECT_TRUE(told.last().contains("Bring the browser to the front"));
}
