// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Backup.h"
#include "BackupHome.h"
#include "FakeClock.h"
#include "MarkingTranslator.h"
#include "Settings.h"
#include "Store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

qint64 rowsIn(const QString& path)
{
    sqlite3* db = nullptr;
    qint64 count = -1;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* query = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT count(*) FROM usage", -1, &query, nullptr) == SQLITE_OK &&
            sqlite3_step(query) == SQLITE_ROW)
            count = sqlite3_column_int64(query, 0);
        sqlite3_finalize(query);
    }
    sqlite3_close(db);
    return count;
}

class BackupTest : public ::testing::Test, protected BackupHome
{
protected:
    BackupTest()
    {
        store->add({UsageRow{"2025-03-05", ItemKey{ItemKind::app, "org.example.Editor"}, "Editor", 120},
                    UsageRow{"2025-03-04", ItemKey{ItemKind::site, "example.com"}, "example.com", 30}});
        settings.setDailyBackup(true);
        settings.setBackupFolder(places.syncFolder());
        settings.setComputerId("this-computer");
    }

    void at(int hour, int minute = 0, int day = 5)
    {
        clock.set(QDateTime(QDate(2025, 3, day), QTime(hour, minute), QTimeZone("Europe/Berlin")));
    }
    // Runs the check and waits for the backup it may start; false when none started.
    bool check()
    {
        QSignalSpy finished(&backup, &Backup::finished);
        backup.runIfDue(store.get());
        if (!finished.isEmpty())
            return true;
        return Backup::inProgress() && finished.wait(30000);
    }
    bool runNow()
    {
        QSignalSpy finished(&backup, &Backup::finished);
        backup.run(store.get());
        if (!finished.isEmpty())
            return true;
        return Backup::inProgress() && finished.wait(30000);
    }
    double secondsNow() const { return static_cast<double>(clock.now().toMSecsSinceEpoch()) / 1000.0; }

    FakeClock clock; // 2025-03-05 12:00 in Berlin
    Settings settings{home.filePath("config/Horavane.conf")};
    std::unique_ptr<Store> store = Store::open(places.databasePath());
    Backup backup{settings, places, clock};
};

} // namespace

TEST_F(BackupTest, TheFirstCheckWithNoBackupYetMakesACompleteCopy)
{
    ASSERT_TRUE(check());
    EXPECT_EQ(rowsIn(copyOf("2025-03-05")), 2);
    EXPECT_EQ(settings.lastBackup(), secondsNow());
    EXPECT_EQ(settings.backupProblem(), "");
    EXPECT_FALSE(Backup::inProgress());
    EXPECT_EQ(namesIn(folder()), QStringList({"Computer name.txt", "Horavane 2025-03-05.sqlite"})); // nothing staged
    EXPECT_TRUE(namesIn(places.temporaryFolder()).isEmpty());
    struct stat info
    {
    };
    ::stat(QFile::encodeName(copyOf("2025-03-05")).constData(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(BackupTest, NothingHappensWhileBackupsAreOffOrWithoutAStore)
{
    settings.setDailyBackup(false);
    EXPECT_FALSE(check());
    settings.setDailyBackup(true);
    QSignalSpy finished(&backup, &Backup::finished);
    backup.runIfDue(nullptr);
    backup.run(nullptr);
    EXPECT_FALSE(Backup::inProgress());
    EXPECT_FALSE(QFileInfo::exists(folder()));
    EXPECT_TRUE(finished.isEmpty());
}

TEST_F(BackupTest, EachComputerWritesAndPrunesOnlyItsOwnFolder)
{
    const QString other = places.syncFolder() + "/Horavane/other-computer";
    QDir().mkpath(other);
    for (const char* day : {"2025-02-01", "2025-02-02", "2025-02-03", "2025-02-04", "2025-02-05", "2025-02-06",
                            "2025-02-07", "2025-02-08", "2025-03-05"})
        touch(other + "/Horavane " + day + ".sqlite");
    QDir().mkpath(folder());
    for (const char* day :
         {"2025-02-26", "2025-02-27", "2025-02-28", "2025-03-01", "2025-03-02", "2025-03-03", "2025-03-04"})
        touch(copyOf(day));
    ASSERT_TRUE(runNow());
    EXPECT_EQ(namesIn(other).size(), 9); // its same-day copy and its eight days stay as they were
    EXPECT_EQ(rowsIn(other + "/Horavane 2025-03-05.sqlite"), -1);
    EXPECT_EQ(namesIn(folder()).size(), 8); // seven copies and the name
    EXPECT_FALSE(QFileInfo::exists(copyOf("2025-02-26")));
}

TEST_F(BackupTest, AProblemIsStoredInEnglishAndToldInTheUsersLanguage)
{
    const MarkingTranslator translation;
    settings.setBackupFolder(QString());
    EXPECT_EQ(backup.runNow(store.get()).problem, "[Choose a backup folder first]");
    EXPECT_EQ(settings.backupProblem(), "Choose a backup folder first"); // reads the same in any language
}

TEST_F(BackupTest, AMissingFolderIsAProblemAndIsNeverCreated)
{
    settings.setBackupFolder(QString());
    ASSERT_TRUE(runNow());
    EXPECT_EQ(settings.backupProblem(), "Choose a backup folder first");
    settings.setBackupFolder(home.filePath("Nextcloud")); // chosen once, not mounted now
    clock.advance(3600);
    ASSERT_TRUE(runNow());
    EXPECT_EQ(settings.backupProblem(), "The backup folder isn't there. Is it mounted?");
    EXPECT_FALSE(QFileInfo::exists(home.filePath("Nextcloud")));
    EXPECT_EQ(settings.lastBackup(), 0);
}

TEST_F(BackupTest, OnceADayThenAgainTheNextDay)
{
    at(9);
    ASSERT_TRUE(check());
    at(23, 59);
    EXPECT_FALSE(check());
    at(0, 1, 6);
    ASSERT_TRUE(check());
    EXPECT_EQ(namesIn(folder()),
              QStringList({"Computer name.txt", "Horavane 2025-03-05.sqlite", "Horavane 2025-03-06.sqlite"}));
}

TEST_F(BackupTest, ABackupEarlierTodayFromAnotherRunCounts)
{
    at(8);
    settings.setLastBackup(secondsNow());
    at(20);
    EXPECT_FALSE(check());
}

TEST_F(BackupTest, AFailureIsRetriedAfterAnHourAndASuccessClearsIt)
{
    QDir(places.syncFolder()).removeRecursively(); // the sync folder went away
    at(10);
    ASSERT_TRUE(check());
    EXPECT_EQ(settings.backupProblem(), "The backup folder isn't there. Is it mounted?");
    EXPECT_EQ(settings.lastBackup(), 0);
    EXPECT_TRUE(namesIn(places.temporaryFolder()).isEmpty()); // the copy made for it is gone

    QDir().mkpath(places.syncFolder());
    at(10, 59);
    EXPECT_FALSE(check());
    at(11);
    ASSERT_TRUE(check());
    EXPECT_EQ(settings.backupProblem(), "");
    EXPECT_EQ(settings.lastBackup(), secondsNow());
}

TEST_F(BackupTest, AClockSetBackDoesNotHoldBackupsOff)
{
    QDir(places.syncFolder()).removeRecursively();
    at(10);
    ASSERT_TRUE(check());
    QDir().mkpath(places.syncFolder());
    at(9);
    EXPECT_TRUE(check());
    EXPECT_EQ(settings.backupProblem(), "");
}

TEST_F(BackupTest, KeepsTheSevenNewestDaysAndNoForeignFile)
{
    QDir().mkpath(folder());
    const QStringList foreign = {"notes.txt",
                                 "Horavane 2025-3-01.sqlite",
                                 "Horavane 2025-02-01.sqlite.bak",
                                 "horavane 2025-02-02.sqlite",
                                 "Horavane 2025-02-03.sqlite-journal",
                                 "Horavane ２０２５-02-04.sqlite",
                                 "Horavane 2025-02-05.sync-conflict-20250205-101010-ABCDEFG.sqlite",
                                 "Horavane 2025-02-06 (conflicted copy 2025-02-06 101010).sqlite",
                                 "Horavane 2025-02-07 (laptop's conflicted copy 2025-02-07).sqlite",
                                 ".syncthing.Horavane 2025-02-08.sqlite.tmp",
                                 ".Horavane 2025-02-09.sqlite.~1a2b",
                                 ".horavane-0a1b.partial"};
    for (const QString& name : foreign)
        touch(folder() + "/" + name);
    for (const char* day :
         {"2025-02-26", "2025-02-27", "2025-02-28", "2025-03-01", "2025-03-02", "2025-03-03", "2025-03-04"})
        touch(copyOf(day));

    ASSERT_TRUE(runNow());
    QStringList expected = foreign;
    for (const char* day :
         {"2025-02-27", "2025-02-28", "2025-03-01", "2025-03-02", "2025-03-03", "2025-03-04", "2025-03-05"})
        expected.append(QStringLiteral("Horavane %1.sqlite").arg(QLatin1String(day)));
    expected.append("Computer name.txt");
    expected.sort();
    EXPECT_EQ(namesIn(folder()), expected);
}

TEST_F(BackupTest, ASecondBackupOnTheSameDayReplacesThatDaysCopy)
{
    ASSERT_TRUE(runNow());
    store->add({UsageRow{"2025-03-05", ItemKey{ItemKind::app, "org.example.Mail"}, "Mail", 5}});
    clock.advance(60);
    ASSERT_TRUE(runNow());
    EXPECT_EQ(rowsIn(copyOf("2025-03-05")), 3);
    EXPECT_EQ(namesIn(folder()).size(), 2); // the copy and the name
}

TEST_F(BackupTest, AStalePartialCopyIsRemovedAndAFreshOneLeftAlone)
{
    QDir().mkpath(folder());
    const QString stale = folder() + "/.horavane-0a1b.partial";
    const QString fresh = folder() + "/.horavane-2c3d.partial"; // another process moving its copy in
    touch(stale);
    touch(fresh);
    QFile file(stale);
    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTimeUtc().addDays(-2), QFileDevice::FileModificationTime);
    file.close();
    ASSERT_TRUE(runNow());
    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_TRUE(QFileInfo::exists(fresh));
}

TEST_F(BackupTest, OnlyOneBackupAtATime)
{
    QSignalSpy finished(&backup, &Backup::finished);
    backup.run(store.get());
    EXPECT_TRUE(Backup::inProgress());
    Backup other(settings, places, clock);
    other.run(store.get()); // another object in the same process waits its turn too
    backup.run(store.get());
    ASSERT_TRUE(finished.wait(30000));
    QCoreApplication::processEvents();
    EXPECT_EQ(finished.size(), 1);
    EXPECT_FALSE(Backup::inProgress());
    EXPECT_TRUE(namesIn(places.temporaryFolder()).isEmpty());
}

TEST_F(BackupTest, ABackupObjectGoneMidwayStillFreesTheNextBackup)
{
    {
        Backup shortLived(settings, places, clock);
        shortLived.run(store.get());
        EXPECT_TRUE(Backup::inProgress());
    }
    EXPECT_TRUE(QTest::qWaitFor([] { return !Backup::inProgress(); }, 30000));
    EXPECT_EQ(settings.lastBackup(), 0); // its outcome had nowhere to go
}

TEST_F(BackupTest, ACopyThatCannotBeMadeIsReported)
{
    touch(home.filePath("blocker"));
    places.temporary = home.filePath("blocker/tmp"); // a file stands where the folder should be
    ASSERT_TRUE(runNow());
    EXPECT_EQ(settings.backupProblem(), "Couldn't copy the history");
    EXPECT_EQ(settings.lastBackup(), 0);
    EXPECT_FALSE(Backup::inProgress());
}

TEST_F(BackupTest, AFolderThatCannotBeMadeIsReported)
{
    QDir().mkpath(places.syncFolder() + "/Horavane");
    touch(folder()); // a file named like the computer's folder
    ASSERT_TRUE(runNow());
    EXPECT_EQ(settings.backupProblem(), "Couldn't write to the backup folder");
    EXPECT_TRUE(namesIn(places.temporaryFolder()).isEmpty());
}

TEST_F(BackupTest, SomethingInTheWayOfTheCopyIsReportedAndLeftAlone)
{
    ASSERT_TRUE(runNow());
    const QString copy = copyOf("2025-03-05");
    QFile::remove(copy);
    QDir().mkpath(copy + "/inside"); // something that cannot simply be replaced
    ASSERT_TRUE(runNow());
    EXPECT_EQ(settings.backupProblem(), "Couldn't write to the backup folder");
    EXPECT_TRUE(QFileInfo::exists(copy + "/inside"));
    EXPECT_EQ(namesIn(folder()), QStringList{"Computer name.txt"}); // no staging file left behind
}

TEST_F(BackupTest, ApostrophesInEveryPath)
{
    const QString odd = home.filePath("O'Brien's home");
    QDir().mkpath(odd);
    TestPlaces oddPlaces(odd);
    oddPlaces.temporary = odd + "/it's tmp";
    QDir().mkpath(oddPlaces.syncFolder());
    settings.setBackupFolder(oddPlaces.syncFolder());
    Backup oddBackup(settings, oddPlaces, clock);
    QSignalSpy finished(&oddBackup, &Backup::finished);
    oddBackup.run(store.get());
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_EQ(settings.backupProblem(), "");
    EXPECT_EQ(rowsIn(oddPlaces.syncFolder() + "/Horavane/this-computer/Horavane 2025-03-05.sqlite"), 2);
}

TEST_F(BackupTest, WorksAcrossFileSystems)
{
    QTemporaryDir memory(QStringLiteral("/dev/shm/horavane-test-XXXXXX"));
    if (!memory.isValid() || !QFileInfo(QStringLiteral("/dev/shm")).isDir())
        GTEST_SKIP() << "no second file system";
    places.temporary = memory.path();
    ASSERT_TRUE(runNow());
    EXPECT_EQ(settings.backupProblem(), "");
    EXPECT_EQ(rowsIn(copyOf("2025-03-05")), 2);
    EXPECT_EQ(namesIn(folder()).size(), 2);
    EXPECT_TRUE(namesIn(memory.path()).isEmpty());
}

TEST_F(BackupTest, TheDayOfTheNameFollowsTheCalendar)
{
    clock.set(QDateTime(QDate(2025, 3, 5), QTime(23, 30), QTimeZone::utc())); // 00:30 on the 6th in Berlin
    ASSERT_TRUE(runNow());
    EXPECT_TRUE(QFileInfo::exists(copyOf("2025-03-06")));
}
