#include "Commands.h"
#include "DamagedHistory.h"
#include "FakeClock.h"
#include "Settings.h"
#include "Store.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
