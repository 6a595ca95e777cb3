// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupComputers.h"
#include "BackupReader.h"
#include "Settings.h"
#include "Store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

const ItemKey editor{ItemKind::app, "org.example.Editor"};
const ItemKey mail{ItemKind::app, "org.example.Mail"};
const ItemKey secret{ItemKind::site, "secret.example"};

// A copy as a backup makes it: a history database of its own.
void writeHistory(const QString& path, const QList<UsageRow>& rows)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString live = path + ".live";
    {
        std::unique_ptr<Store> store = Store::open(live);
        store->add(rows);
        QFile::remove(path);
        store->execute(QByteArray("VACUUM INTO '" + QFile::encodeName(path) + "'").constData());
    }
    QFile::remove(live);
}

void truncateTo(const QString& path, double fraction)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(qint64(file.size() * fraction));
}

void overwrite(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

struct ReadCase
{
    const char* name;
    std::function<void(const QString& path)> spoil;
    std::optional<BackupReader::Fault> fault;
};

class BackupReaderFaults : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(BackupReaderFaults, AreNamedAndTheCopyIsLeftAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Horavane 2025-03-05.sqlite");
    QList<UsageRow> rows;
    for (int i = 0; i < 400; ++i) // a few pages, so that a cut copy misses some
        rows.append(UsageRow{"2025-03-05", ItemKey{ItemKind::app, QString("app%1").arg(i)}, "App", 60});
    writeHistory(path, rows);
    GetParam().spoil(path);
    const QByteArray before = [&] {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }();
    const BackupReader::Result result = BackupReader::days(path, "2025-03-01", "2025-03-31");
    EXPECT_EQ(result.fault, GetParam().fault);
    EXPECT_EQ(result.days.value("2025-03-05").size(), GetParam().fault ? 0 : 400);
    QFile after(path);
    EXPECT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Horavane 2025-03-05.sqlite"});
}

INSTANTIATE_TEST_SUITE_P(
    Copies, BackupReaderFaults,
    ::testing::Values(
        ReadCase{"whole", [](const QString&) {}, std::nullopt},
        ReadCase{"halfSynced", [](const QString& path) { truncateTo(path, 0.5); }, BackupReader::Fault::incomplete},
        ReadCase{"empty", [](const QString& path) { truncateTo(path, 0); }, BackupReader::Fault::incomplete},
        ReadCase{"notADatabase", [](const QString& path) { overwrite(path, QByteArray(8192, 'x')); },
                 BackupReader::Fault::otherShape},
        ReadCase{"otherColumns",
                 [](const QString& path) {
                     QFile::remove(path);
                     std::unique_ptr<Store> store = Store::open(path + ".x");
                     store->execute("CREATE TABLE other (a); DROP TABLE usage; CREATE TABLE usage (day, seconds)");
                     store->execute(QByteArray("VACUUM INTO '" + QFile::encodeName(path) + "'").constData());
                     store.reset();
                     QFile::remove(path + ".x");
                 },
                 BackupReader::Fault::otherShape}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

class BackupComputersTest : public ::testing::Test
{
protected:
    BackupComputersTest()
    {
        settings.setBackupFolder(dir.filePath("Sync"));
        settings.setComputerId("this-one");
        writeHistory(copy("this-one", "2025-03-05"), {UsageRow{"2025-03-05", editor, "Editor", 999}});
    }
    QString copy(const QString& computer, const QString& day) const
    {
        return dir.filePath("Sync/Horavane/" + computer + "/Horavane " + day + ".sqlite");
    }
    static DayUsage day(const QString& key, const DayTotals& totals) { return DayUsage{key, {}, Summary(totals)}; }

    QTemporaryDir dir;
    Settings settings{dir.filePath("Horavane.conf")};
};

TEST_F(BackupComputersTest, TheNewestWholeCopyOfEveryOtherComputerIsAddedDayByDay)
{
    writeHistory(copy("laptop", "2025-03-04"),
                 {UsageRow{"2025-03-04", editor, "Editor", 60}, UsageRow{"2025-03-04", mail, "Mail", 30},
                  UsageRow{"2025-03-04", secret, "secret.example", 50}});
    writeHistory(copy("laptop", "2025-03-05"), {UsageRow{"2025-03-05", editor, "Ed", 600}});
    truncateTo(copy("laptop", "2025-03-05"), 0.5); // still arriving: yesterday's copy stands in
    writeHistory(copy("tablet", "2025-03-05"), {UsageRow{"2025-03-05", mail, "Mail", 1}});
    overwrite(copy("tablet", "2025-03-05"), "not a database");

    BackupComputers others(settings);
    EXPECT_FALSE(others.hasOthers()); // nothing looked at yet
    others.refresh();
    EXPECT_EQ(others.names(), (QStringList{"laptop", "tablet"}));

    const QList<DayUsage> days = others.addedTo(
        {day("2025-03-04", {{editor, {"My Editor", 100}}}), day("2025-03-05", {})}, {{secret, "secret.example"}});
    EXPECT_EQ(days[0].summary.items, (QList<UsageItem>{{editor, "My Editor", 160}, {mail, "Mail", 30}}));
    EXPECT_TRUE(days[1].summary.items.isEmpty()); // this computer's own copies are never added again
    EXPECT_EQ(others.notes(), (QStringList{"Skipped the copy of laptop from 2025-03-05: it is still arriving.",
                                           "Skipped the copy of tablet from 2025-03-05: it is damaged."}));
}

TEST_F(BackupComputersTest, AFolderThatWentAwayAddsNothing)
{
    writeHistory(copy("laptop", "2025-03-04"), {UsageRow{"2025-03-04", editor, "Editor", 60}});
    BackupComputers others(settings);
    others.refresh();
    ASSERT_TRUE(others.hasOthers());
    QDir(dir.filePath("Sync")).removeRecursively(); // unmounted
    others.refresh();
    EXPECT_FALSE(others.hasOthers());
    const QList<DayUsage> mine{day("2025-03-04", {{editor, {"Editor", 100}}})};
    EXPECT_EQ(others.addedTo(mine, {}), mine);
}

} // namespace
