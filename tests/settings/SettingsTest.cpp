// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Settings.h"
#include "ComputerIdentity.h"

#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SettingsTest, DefaultsWhenNothingIsStored)
{
    QTemporaryDir dir;
    const Settings settings(dir.filePath("Horavane.conf"));
    EXPECT_FALSE(settings.showsTimeInTray());
    EXPECT_EQ(settings.idleMinutes(), 2);
    EXPECT_EQ(settings.chartColors(), 8);
    EXPECT_FALSE(settings.dailyBackup());
    EXPECT_EQ(settings.lastBackup(), 0);
    EXPECT_EQ(settings.backupProblem(), QString());
    EXPECT_EQ(settings.settingsTab(), "general");
    EXPECT_FALSE(settings.hasSeenWelcome());
    EXPECT_FALSE(settings.hasAskedForAccessibility());
}

TEST(SettingsTest, ChangesPersistAndAreAnnouncedOnlyWhenDifferent)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Horavane.conf");
    {
        Settings settings(path);
        QSignalSpy idle(&settings, &Settings::idleMinutesChanged);
        settings.setIdleMinutes(5);
        settings.setIdleMinutes(5);
        EXPECT_EQ(idle.count(), 1);
        settings.setChartColors(4);
        settings.setBackupProblem("The backup folder is missing.");
        settings.setHasSeenWelcome(true);
    }
    const Settings reread(path);
    EXPECT_EQ(reread.idleMinutes(), 5);
    EXPECT_EQ(reread.chartColors(), 4);
    EXPECT_EQ(reread.backupProblem(), "The backup folder is missing.");
    EXPECT_TRUE(reread.hasSeenWelcome());
}

TEST(SettingsTest, ValuesOfTheWrongTypeReadAsDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Horavane.conf");
    {
        QSettings file(path, QSettings::IniFormat);
        file.setValue("idleMinutes", "soon");
        file.setValue("chartColors", "many");
        file.setValue("showsTimeInMenuBar", "perhaps");
        file.setValue("lastBackup", 1700000000.5);
    }
    const Settings settings(path);
    EXPECT_EQ(settings.idleMinutes(), 2);
    EXPECT_EQ(settings.chartColors(), 8);
    EXPECT_FALSE(settings.showsTimeInTray());
    EXPECT_EQ(settings.lastBackup(), 1700000000.5);
}

// Limits are kept per item, within 5 minutes and 12 hours; entries written wrongly by hand are left out.
TEST(SettingsTest, DailyLimitsPersistOnePerItem)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Horavane.conf");
    {
        QSettings file(path, QSettings::IniFormat);
        file.setValue("dailyLimits", QStringList{"0 60 org.gnome.Terminal", "1 abc example.com", "2 30 x", "1 30 ",
                                                 "1 1 news.example.org", "1 9000 video.example.com"});
    }
    {
        Settings settings(path);
        EXPECT_EQ(settings.dailyLimits(),
                  (QList<DailyLimit>{
                      {0, "org.gnome.Terminal", 60}, {1, "news.example.org", 5}, {1, "video.example.com", 720}}));
        QSignalSpy changed(&settings, &Settings::dailyLimitsChanged);
        settings.setDailyLimit({0, "org.gnome.Terminal", 90});
        settings.setDailyLimit({0, "org.gnome.Terminal", 90});
        settings.removeDailyLimit(1, "news.example.org");
        settings.removeDailyLimit(1, "never.example.net");
        settings.setDailyLimit({1, "a b.example", 15});
        EXPECT_EQ(changed.count(), 3);
    }
    const Settings reread(path);
    EXPECT_EQ(
        reread.dailyLimits(),
        (QList<DailyLimit>{{0, "org.gnome.Terminal", 90}, {1, "video.example.com", 720}, {1, "a b.example", 15}}));
}

TEST(SettingsTest, RemovingChartColorsRestoresTheDefault)
{
    QTemporaryDir dir;
    Settings settings(dir.filePath("Horavane.conf"));
    settings.setChartColors(3);
    QSignalSpy spy(&settings, &Settings::chartColorsChanged);
    settings.removeChartColors();
    EXPECT_EQ(settings.chartColors(), 8);
    EXPECT_EQ(spy.count(), 1);
    settings.sync();
    EXPECT_EQ(Settings(dir.filePath("Horavane.conf")).chartColors(), 8);
}

TEST(ComputerIdentityTest, MadeOnceFromTheMachineWithoutShowingItsId)
{
    QTemporaryDir dir;
    const QByteArray machine = "0123456789abcdef0123456789abcdef\n";
    struct Case
    {
        const char* name;
        QString stored;
        QByteArray machineId;
        QString user;
    };
    const Case cases[] = {
        {"from the machine", {}, machine, "ada"},
        {"another account on it", {}, machine, "bob"},
        {"no machine id: random", {}, {}, "ada"},
        {"a malformed machine id: random", {}, "not-an-id", "ada"},
        {"a stored id that could leave its folder is made again", "../elsewhere", machine, "ada"},
    };
    QStringList made;
    for (const Case& c : cases) {
        Settings settings(dir.filePath(QString::fromLatin1(c.name)));
        settings.setComputerId(c.stored);
        const QString id = ComputerIdentity::ensure(settings, c.machineId, c.user);
        EXPECT_TRUE(ComputerIdentity::isValid(id)) << c.name;
        EXPECT_EQ(id.size(), 32) << c.name;
        EXPECT_FALSE(id.contains("0123456789abcdef")) << c.name;
        EXPECT_EQ(settings.computerId(), id) << c.name;
        EXPECT_EQ(ComputerIdentity::ensure(settings, "fedcba9876543210fedcba9876543210", "eve"), id) << "kept";
        made.append(id);
    }
    EXPECT_EQ(made[4], made[0]); // the same machine and account give the same id
    EXPECT_EQ(QSet<QString>(made.cbegin(), made.cend()).size(), 4);

    Settings named(dir.filePath("named.conf"));
    EXPECT_EQ(ComputerIdentity::name(named, "desk.local"), "desk.local");
    named.setComputerName("Study");
    EXPECT_EQ(ComputerIdentity::name(named, "desk.local"), "Study");
}
