#include "Commands.h"
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
    std::unique_ptr<Store> history() const { return Store::open(dir.filePath("usage.sqlite")); }

    QTemporaryDir dir;
    FakeClock clock; // 5 March 2025, noon
    Settings settings{dir.filePath("Horavane.conf")};
};

} // namespace

TEST_F(CommandsTest, ReportListsThePeriodLargestFirstWithoutExcludedItems)
{
    EXPECT_EQ(Commands::report(history(), Period::today, clock, settings), " 1h 5m  XTerm\n"
                                                                           "   45m  example.com\n"
                                                                           "1h 50m  Total\n");
    EXPECT_EQ(Commands::report(history(), Period::yesterday, clock, settings), "1m  XTerm\n1m  Total\n");
}

TEST_F(CommandsTest, ReportWithoutHistory)
{
    EXPECT_EQ(Commands::report(nullptr, Period::month, clock, settings), "0m  Total\n");
}

TEST_F(CommandsTest, ExportWritesTheWholeHistoryAsCsv)
{
    const std::unique_ptr<Store> store = history();
    const QString path = dir.filePath("it's all.csv");
    ASSERT_EQ(Commands::exportCsv(store.get(), path), "");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    EXPECT_TRUE(csv.startsWith("Date,Type,Name,Identifier,Seconds\n2025-03-04,App,XTerm,debian-xterm,60\n"));
    EXPECT_TRUE(csv.contains("2025-03-05,App,Secret,secret,9000\n")); // the export holds everything
    EXPECT_TRUE(csv.endsWith("\n"));
}

TEST_F(CommandsTest, ExportToAnUnwritablePlaceSaysSo)
{
    EXPECT_NE(Commands::exportCsv(nullptr, dir.filePath("missing/folder/out.csv")), "");
}
