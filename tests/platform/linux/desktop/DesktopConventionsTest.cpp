// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InstanceLock.h"
#include "XdgAutostart.h"
#include "XdgPlaces.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(InstanceLockTest, OneHolderAtATimeAndFreedWhenReleased)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("horavane.lock");
    {
        const InstanceLock first(path);
        EXPECT_EQ(first.state(), InstanceLock::State::held);
        const InstanceLock second(path);
        EXPECT_EQ(second.state(), InstanceLock::State::heldElsewhere);
    }
    EXPECT_EQ(InstanceLock(path).state(), InstanceLock::State::held);
}

TEST(InstanceLockTest, ALockLeftByAKilledProcessDoesNotBlock)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("horavane.lock");
    QProcess holder;
    // One process that holds the lock and is then killed outright, as in a crash.
    holder.start("sh", {"-c", "exec 9>\"$0\" && flock -n 9 && echo held && exec sleep 30", path});
    ASSERT_TRUE(holder.waitForReadyRead(30000)) << "the holder never took the lock";
    EXPECT_EQ(InstanceLock(path).state(), InstanceLock::State::heldElsewhere);
    holder.kill();
    holder.waitForFinished();
    EXPECT_EQ(InstanceLock(path).state(), InstanceLock::State::held);
}

TEST(InstanceLockTest, AMissingFolderIsUnavailableNotHeldElsewhere)
{
    QTemporaryDir dir;
    EXPECT_EQ(InstanceLock(dir.filePath("missing/horavane.lock")).state(), InstanceLock::State::unavailable);
}

TEST(XdgPlacesTest, FollowTheXdgVariables)
{
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
    qputenv("XDG_CACHE_HOME", dir.filePath("cache").toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    const XdgPlaces places;
    EXPECT_EQ(places.databasePath(), dir.filePath("data/Horavane/usage.sqlite"));
    EXPECT_EQ(places.cacheFolder(), dir.filePath("cache/Horavane"));
    EXPECT_EQ(places.settingsFile(), dir.filePath("config/Horavane/Horavane.conf"));
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", dir.path().toUtf8());
    QDir().mkpath(dir.filePath("Dropbox"));
    QDir().mkpath(dir.filePath("Sync"));
    EXPECT_EQ(places.syncFolders(), QStringList({dir.filePath("Sync"), dir.filePath("Dropbox")})); // most used first
    qputenv("HOME", home);
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CACHE_HOME");
    qunsetenv("XDG_CONFIG_HOME");
}

TEST(XdgAutostartTest, EnableWritesAnEntryAndDisableRemovesIt)
{
    QTemporaryDir dir;
    XdgAutostart autostart(dir.filePath("autostart"), "/opt/horavane/bin/horavane");
    EXPECT_FALSE(autostart.isEnabled());
    EXPECT_EQ(autostart.enable(), std::nullopt);
    EXPECT_TRUE(autostart.isEnabled());
    QFile entry(autostart.entryPath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nExec=/opt/horavane/bin/horavane\n"));
    EXPECT_TRUE(text.contains("\nHidden=false\n"));
    EXPECT_EQ(autostart.disable(), std::nullopt);
    EXPECT_FALSE(autostart.isEnabled());
    EXPECT_EQ(autostart.disable(), std::nullopt); // already off
}

TEST(XdgAutostartTest, EntriesSwitchedOffInPlaceAreDisabled)
{
    QTemporaryDir dir;
    XdgAutostart autostart(dir.filePath("autostart"), "/usr/bin/horavane");
    autostart.enable();
    for (const char* line : {"Hidden=true", "X-GNOME-Autostart-enabled=false"}) {
        QFile entry(autostart.entryPath());
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write(QByteArray("[Desktop Entry]\nExec=/usr/bin/horavane\n") + line + "\n");
        entry.close();
        EXPECT_FALSE(autostart.isEnabled()) << line;
    }
}

TEST(XdgAutostartTest, ExecQuotesPathsThatNeedIt)
{
    EXPECT_EQ(XdgAutostart::execValue("/usr/bin/horavane"), "/usr/bin/horavane");
    EXPECT_EQ(XdgAutostart::execValue("/home/me/My Apps/horavane"), "\"/home/me/My Apps/horavane\"");
    EXPECT_EQ(XdgAutostart::execValue("/home/me/100%/horavane"), "/home/me/100%%/horavane");
    EXPECT_EQ(XdgAutostart::execValue("/home/me/$x \"q\"/h"), "\"/home/me/\\\\$x \\\\\"q\\\\\"/h\"");
}

TEST(XdgAutostartTest, AnUnwritableFolderIsReported)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    XdgAutostart autostart(dir.filePath("autostart"), "/usr/bin/horavane");
    EXPECT_TRUE(autostart.enable().has_value());
    EXPECT_FALSE(autostart.isEnabled());
}
