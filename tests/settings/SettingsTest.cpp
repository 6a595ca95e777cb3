#include "Settings.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SettingsTest, DefaultsWhenNothingIsStored)
{
    QTemporaryDir dir;
    const Settings settings(dir.filePath("Horavane.conf"));
    EXPECT_FALSE(settings.showsTimeInMenuBar());
    EXPECT_EQ(settings.idleMinutes(), 2);
    EXPECT_EQ(settings.chartColors(), 8);
    EXPECT_FALSE(settings.backsUpToICloud());
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
    EXPECT_FALSE(settings.showsTimeInMenuBar());
    EXPECT_EQ(settings.lastBackup(), 1700000000.5);
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
