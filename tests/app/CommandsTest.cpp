// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Commands.h"
#include "BackupComputers.h"
#include "DamagedHistory.h"
#include "FakeClock.h"
#include "FakePlaces.h"
#include "Settings.h"
#include "Store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class CommandsTest : public ::testing::Test
{
protected:
    CommandsTest()
    {
        auto store = history();
        store->add({
            UsageRow{"2025-03-05", ItemKey{ItemKind::app, "debian-xterm"}, "XTerm", 3900},
            UsageRow{"2025-03-05", ItemKey{ItemKind::site, "example.com"}, "example.com", 2700},
            UsageRow{"2025-03-05", ItemKey{ItemKind::app, "secret"}, "Secret", 9000},
            UsageRow{"2025-03-04", ItemKey{ItemKind::app, "debian-xterm"}, "XTerm", 60},
        });
        store->setExcluded(ItemKey{ItemKind::app, "secret"}, "Secret", true);
    }
    std::unique_ptr<Store> history() const { return Store::open(database()); }
    QString database() const { return dir.filePath("usage.sqlite"); }

    QTemporaryDir dir;
    FakeClock clock; // 5 March 2025, noon
    Settings settings{dir.filePath("Horavane.conf")};
};

} // namespace

TEST_F(CommandsTest, ReportListsThePeriodLargestFirstWithoutExcludedItems)
{
    EXPECT_EQ(Commands::report(database(), Period::today, clock, settings).output, " 1h 5m  XTerm\n"
                                                                                   "   45m  example.com\n"
                                                                                   "1h 50m  Total\n");
    EXPECT_EQ(Commands::report(database(), Period::yesterday, clock, settings).output, "1m  XTerm\n1m  Total\n");
}

TEST_F(CommandsTest, ReportShowsEachLimitAndMarksTheItemsOverIt)
{
    settings.setDailyLimit({rawValue(ItemKind::app), "debian-xterm", 60});
    settings.setDailyLimit({rawValue(ItemKind::site), "example.com", 50});
    const struct
    {
        Period period;
        QString expected; // the beginning of the report; the plural of "day" follows the language
    } cases[] = {
        {Period::today, " 1h 5m  XTerm  (daily limit 1h, over by 5m)\n"
                        "   45m  example.com  (daily limit 50m)\n"
                        "1h 50m  Total\n"},
        {Period::yesterday, "1m  XTerm  (daily limit 1h)\n1m  Total\n"},
        {Period::week, " 1h 6m  XTerm  (daily limit 1h, over on 1 day"},
    };
    for (const auto& test : cases) {
        const QString report = Commands::report(database(), test.period, clock, settings).output;
        EXPECT_TRUE(report.startsWith(test.expected)) << report.toStdString();
    }
}

TEST_F(CommandsTest, ReportWithoutHistory)
{
    const Commands::Outcome report = Commands::report(dir.filePath("none.sqlite"), Period::month, clock, settings);
    EXPECT_EQ(report.output, "0m  Total\n");
    EXPECT_EQ(report.error, "");
    EXPECT_FALSE(QFile::exists(dir.filePath("none.sqlite")));
}

TEST_F(CommandsTest, ExportWritesTheWholeHistoryAsCsv)
{
    const QString path = dir.filePath("it's all.csv");
    ASSERT_EQ(Commands::exportCsv(database(), path), "");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    EXPECT_TRUE(csv.startsWith("Date,Type,Name,Identifier,Seconds\n2025-03-04,App,XTerm,debian-xterm,60\n"));
    EXPECT_TRUE(csv.contains("2025-03-05,App,Secret,secret,9000\n")); // the export holds everything
    EXPECT_TRUE(csv.endsWith("\n"));
}

TEST_F(CommandsTest, ExportToAnUnwritablePlaceSaysSo)
{
    EXPECT_NE(Commands::exportCsv(database(), dir.filePath("missing/folder/out.csv")), "");
}

TEST_F(CommandsTest, AHistoryThatCannotBeReadIsAnErrorAndAnEarlierExportStays)
{
    const struct
    {
        const char* name;
        void (*damage)(const QString&);
    } cases[] = {
        {"not a database", DamagedHistory::overwriteWhole},
        {"damaged page", DamagedHistory::overwriteUsagePage},
    };
    const QString pristine = dir.filePath("pristine.sqlite");
    ASSERT_TRUE(QFile::copy(database(), pristine));
    const QString earlier = dir.filePath("earlier.csv");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(database());
        ASSERT_TRUE(QFile::copy(pristine, database()));
        c.damage(database());
        {
            QFile good(earlier);
            ASSERT_TRUE(good.open(QIODevice::WriteOnly));
            good.write("good,earlier,export\n");
        }
        EXPECT_NE(Commands::exportCsv(database(), earlier), "");
        QFile kept(earlier);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), "good,earlier,export\n");
        const Commands::Outcome report = Commands::report(database(), Period::month, clock, settings);
        EXPECT_NE(report.error, "");
        EXPECT_EQ(report.output, "");
    }
}

TEST_F(CommandsTest, ControlCharactersInStoredNamesNeverReachTheTerminal)
{
    history()->add({UsageRow{"2025-03-05", ItemKey{ItemKind::app, "evil"}, "Ev\x1b]0;owned\x07il", 99999}});
    EXPECT_TRUE(
        Commands::report(database(), Period::today, clock, settings).output.startsWith("27h 46m  Ev]0;ownedil\n"));
}

namespace {

// One person's account on one computer: its own preferences, history and identity.
struct Profile
{
    Profile(const QString& id, const QString& sync, const QString& app, double seconds)
    {
        settings.setComputerId(id);
        settings.setComputerName(id == "desk-id" ? "Desk" : "Laptop");
        settings.setBackupFolder(sync);
        Store::open(places.databasePath())->add({UsageRow{"2025-03-05", ItemKey{ItemKind::app, app}, app, seconds}});
    }
    Commands::Outcome backup() { return Commands::backup(places.databasePath(), settings, places, clock); }
    QString reportAll()
    {
        BackupComputers others(settings);
        others.refresh();
        const QString text = Commands::report(places.databasePath(), Period::today, clock, settings, &others).output;
        notes = others.notes(); // known once the copies were read
        return text;
    }

    FakePlaces places;
    FakeClock clock;
    Settings settings{places.homeFolder() + "/Horavane.conf"};
    QStringList notes;
};

mode_t modeOf(const QString& path)
{
    struct stat info
    {
    };
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 0777;
}

} // namespace

TEST(TwoComputersTest, ShareOneFolderEachInItsOwnSubfolderAndAddUpTheirDays)
{
    QTemporaryDir sync;
    Profile desk("desk-id", sync.path(), "Editor", 3600);
    Profile laptop("laptop-id", sync.path(), "Mail", 1800);

    const QString deskCopy = desk.backup().output;
    const QString laptopCopy = laptop.backup().output;
    EXPECT_EQ(deskCopy, sync.filePath("Horavane/desk-id/Horavane 2025-03-05.sqlite"));
    EXPECT_EQ(laptopCopy, sync.filePath("Horavane/laptop-id/Horavane 2025-03-05.sqlite"));
    EXPECT_EQ(modeOf(deskCopy), 0600u);
    EXPECT_EQ(modeOf(sync.filePath("Horavane/laptop-id")), 0700u);
    EXPECT_GT(desk.settings.lastBackup(), 0);

    // A third computer whose copy is only half there is skipped, not fatal.
    QDir().mkpath(sync.filePath("Horavane/tablet-id"));
    QFile::copy(laptopCopy, sync.filePath("Horavane/tablet-id/Horavane 2025-03-05.sqlite"));
    QFile half(sync.filePath("Horavane/tablet-id/Horavane 2025-03-05.sqlite"));
    EXPECT_TRUE(half.open(QIODevice::ReadWrite));
    half.resize(half.size() / 2);
    half.close();

    EXPECT_EQ(desk.reportAll(), "    1h  Editor\n"
                                "   30m  Mail\n"
                                "1h 30m  Total\n");
    EXPECT_EQ(desk.notes, QStringList{"Skipped the copy of tablet-id from 2025-03-05: it is still arriving."});
    EXPECT_EQ(Commands::report(desk.places.databasePath(), Period::today, desk.clock, desk.settings).output,
              "1h  Editor\n1h  Total\n");
}

TEST(TwoComputersTest, ABackupFolderThatIsGoneIsAProblem)
{
    QTemporaryDir sync;
    Profile desk("desk-id", sync.filePath("Nextcloud"), "Editor", 60);
    const Commands::Outcome backup = desk.backup();
    EXPECT_EQ(backup.output, "");
    EXPECT_EQ(backup.error, "The backup folder isn't there. Is it mounted?");
    EXPECT_FALSE(QFileInfo::exists(sync.filePath("Nextcloud")));
    QFile::remove(desk.places.databasePath());
    EXPECT_EQ(Commands::backup(desk.places.databasePath(), desk.settings, desk.places, desk.clock).error,
              "there is no history to back up yet");
}
