// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <thread>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const ItemKey editor{ItemKind::app, "org.example.Editor"};
const ItemKey site{ItemKind::site, "example.com"};

UsageRow row(const QString& day, const ItemKey& key, double seconds, const QString& name = {})
{
    return UsageRow{day, key, name.isEmpty() ? key.id : name, seconds};
}

// A second connection to the same file, as another process would hold it.
struct OtherConnection
{
    explicit OtherConnection(const QString& path) { sqlite3_open(QFile::encodeName(path).constData(), &db); }
    ~OtherConnection() { sqlite3_close(db); }
    bool run(const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }
    sqlite3* db = nullptr;
};

unsigned mode(const QString& path)
{
    struct stat info{};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 0777;
}

class StoreTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("data/Horavane/usage.sqlite");
    std::unique_ptr<Store> store = Store::open(path);
};

} // namespace

TEST_F(StoreTest, CreatesAPrivateFolderAndFile)
{
    ASSERT_TRUE(store);
    EXPECT_EQ(mode(dir.filePath("data/Horavane")), 0700u);
    EXPECT_EQ(mode(path), 0600u);
}

TEST_F(StoreTest, AddingAccumulatesAndKeepsTheLatestName)
{
    ASSERT_TRUE(store->add({row("2025-03-05", editor, 5, "Editor 1")}));
    ASSERT_TRUE(store->add({row("2025-03-05", editor, 3, "Editor 2"), row("2025-03-05", editor, 1, "Editor 3")}));
    EXPECT_EQ(store->allRows(), QList<UsageRow>({row("2025-03-05", editor, 9, "Editor 3")}));
    EXPECT_TRUE(store->add({}));
}

TEST_F(StoreTest, RangesIncludeBothBoundsAndSeparateKinds)
{
    store->add({row("2025-03-04", editor, 1), row("2025-03-05", editor, 2), row("2025-03-05", site, 3),
                row("2025-03-06", editor, 4), row("2025-03-07", editor, 5)});
    const auto one = store->daily("2025-03-05", "2025-03-05");
    ASSERT_EQ(one.size(), 1);
    EXPECT_EQ(one["2025-03-05"].value(editor).seconds, 2);
    EXPECT_EQ(one["2025-03-05"].value(site).seconds, 3);
    const auto range = store->daily("2025-03-05", "2025-03-06");
    EXPECT_EQ(range.keys().size(), 2);
    EXPECT_TRUE(range.contains("2025-03-06"));
    EXPECT_TRUE(store->daily("2025-03-08", "2025-03-31").isEmpty());
}

TEST_F(StoreTest, AllRowsByDayThenLongestFirst)
{
    store->add({row("2025-03-06", editor, 1), row("2025-03-05", editor, 2), row("2025-03-05", site, 30)});
    EXPECT_EQ(store->allRows(), QList<UsageRow>({row("2025-03-05", site, 30), row("2025-03-05", editor, 2),
                                                 row("2025-03-06", editor, 1)}));
}

TEST_F(StoreTest, RowsOfUnknownKindOrWithNullsAreSkipped)
{
    store->add({row("2025-03-05", editor, 1)});
    OtherConnection other(path);
    ASSERT_TRUE(other.run("INSERT INTO usage VALUES ('2025-03-05', 2, 'odd', 'Odd', 7);"
                          "INSERT INTO excluded VALUES (2, 'odd', 'Odd');"
                          "INSERT INTO excluded VALUES (0, 'kept', 'Kept');"));
    EXPECT_EQ(store->allRows().size(), 1);
    EXPECT_EQ(store->daily("2025-03-05", "2025-03-05")["2025-03-05"].size(), 1);
    EXPECT_EQ(store->excluded(), (QHash<ItemKey, QString>{{ItemKey{ItemKind::app, "kept"}, "Kept"}}));
}

TEST_F(StoreTest, ExclusionsOnTwiceKeepTheLatestNameAndOffIsHarmless)
{
    store->setExcluded(site, "first", true);
    store->setExcluded(site, "second", true);
    store->setExcluded(editor, "", false);
    EXPECT_EQ(store->excluded(), (QHash<ItemKey, QString>{{site, "second"}}));
    store->setExcluded(site, "", false);
    EXPECT_TRUE(store->excluded().isEmpty());
}

TEST_F(StoreTest, TextIsStoredExactly)
{
    const ItemKey odd{ItemKind::app, QString::fromUtf8("caf\xc3\xa9 \xf0\x9f\x98\x80 ' \" ; DROP TABLE usage")};
    store->add({row("2025-03-05", odd, 1, odd.id)});
    EXPECT_EQ(store->allRows().first().key, odd);
    EXPECT_EQ(store->allRows().first().name, odd.id);
}

TEST_F(StoreTest, ReopeningKeepsHistory)
{
    store->add({row("2025-03-05", editor, 5)});
    store->setExcluded(site, "Example", true);
    store.reset();
    store = Store::open(path);
    ASSERT_TRUE(store);
    EXPECT_EQ(store->allRows().size(), 1);
    EXPECT_EQ(store->excluded().size(), 1);
}

TEST_F(StoreTest, OpeningFailsQuietly)
{
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(Store::open(dir.filePath("file/usage.sqlite")), nullptr); // parent is a file
    QFile notADatabase(dir.filePath("text.sqlite"));
    ASSERT_TRUE(notADatabase.open(QIODevice::WriteOnly));
    notADatabase.write(QByteArray(4096, 'x'));
    notADatabase.close();
    EXPECT_EQ(Store::open(dir.filePath("text.sqlite")), nullptr);
}

TEST_F(StoreTest, AWriteBlockedByAnotherConnectionReportsFailureAndWritesNothing)
{
    store->add({row("2025-03-05", editor, 5)});
    OtherConnection other(path);
    ASSERT_TRUE(other.run("BEGIN EXCLUSIVE"));
    EXPECT_FALSE(store->add({row("2025-03-05", editor, 1), row("2025-03-05", site, 1)}));
    ASSERT_TRUE(other.run("COMMIT"));
    EXPECT_EQ(store->allRows(), QList<UsageRow>({row("2025-03-05", editor, 5)}));
    // The connection is usable again once the other one lets go.
    EXPECT_TRUE(store->add({row("2025-03-05", editor, 1)}));
    EXPECT_EQ(store->allRows().first().seconds, 6);
}

TEST_F(StoreTest, AReaderInAnotherProcessIsWaitedFor)
{
    OtherConnection other(path);
    ASSERT_TRUE(other.run("BEGIN; SELECT count(*) FROM usage;"));
    // A shared lock does not keep the writer out until it commits; it needs the reader gone by then.
    std::thread reader([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        other.run("COMMIT");
    });
    EXPECT_TRUE(store->add({row("2025-03-05", editor, 1)}));
    reader.join();
    EXPECT_EQ(store->allRows().size(), 1);
}

TEST_F(StoreTest, AReadOnlyFileReportsFailure)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind root";
    store.reset();
    QFile::setPermissions(path, QFile::ReadOwner);
    store = Store::open(path);
    ASSERT_TRUE(store);
    EXPECT_FALSE(store->add({row("2025-03-05", editor, 1)}));
}

TEST_F(StoreTest, AFullDiskReportsFailureAndKeepsTheFileIntact)
{
    ASSERT_TRUE(store->add({row("2025-03-05", editor, 5)}));
    // A file-size limit makes every write past the current size fail, as a full disk does (also for root).
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved;
    limit.rlim_cur = QFileInfo(path).size();
    setrlimit(RLIMIT_FSIZE, &limit);
    QList<UsageRow> many;
    for (int i = 0; i < 2000; ++i)
        many.append(row("2025-03-06", ItemKey{ItemKind::site, QStringLiteral("site%1.example").arg(i)}, 1));
    const bool written = store->add(many);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(store->allRows(), QList<UsageRow>({row("2025-03-05", editor, 5)}));
    EXPECT_TRUE(store->add(many));
    EXPECT_EQ(store->allRows().size(), 2001);
}

TEST_F(StoreTest, ReplacingHistoryFromAPathWithAnApostrophe)
{
    store->add({row("2025-03-05", editor, 5)});
    store->setExcluded(site, "Example", true);
    QDir().mkpath(dir.filePath("it's here"));
    const QString backupPath = dir.filePath("it's here/Horavane 2025-03-01.sqlite");
    {
        auto backup = Store::open(backupPath);
        backup->add({row("2025-03-01", site, 42), row("2025-03-02", editor, 7)});
        backup->setExcluded(editor, "Editor", true);
    }
    ASSERT_TRUE(store->replaceHistory(backupPath));
    EXPECT_EQ(store->allRows(), QList<UsageRow>({row("2025-03-01", site, 42), row("2025-03-02", editor, 7)}));
    EXPECT_EQ(store->excluded(), (QHash<ItemKey, QString>{{site, "Example"}})); // exclusions stay ours
    EXPECT_TRUE(store->add({row("2025-03-05", editor, 1)}));                     // nothing left attached
}

TEST_F(StoreTest, ReplacingFromABadFileLeavesHistoryUntouched)
{
    store->add({row("2025-03-05", editor, 5), row("2025-03-06", site, 6)});
    const QList<UsageRow> before = store->allRows();

    const QString noUsage = dir.filePath("no-usage.sqlite");
    OtherConnection(noUsage).run("CREATE TABLE other (x)");
    const QString otherShape = dir.filePath("other-shape.sqlite");
    OtherConnection(otherShape).run("CREATE TABLE usage (day TEXT, seconds REAL); INSERT INTO usage VALUES ('x', 1)");
    const QString nulls = dir.filePath("nulls.sqlite");
    OtherConnection(nulls).run("CREATE TABLE usage (day, kind, id, name, seconds);"
                               "INSERT INTO usage VALUES ('2025-01-01', 0, 'a', 'A', 1);"
                               "INSERT INTO usage VALUES ('2025-01-01', 0, 'b', NULL, 1);");
    const QString text = dir.filePath("text.sqlite");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Date,Type,Name\n");
    file.close();

    for (const QString& bad : {noUsage, otherShape, nulls, text, dir.filePath("missing.sqlite")}) {
        EXPECT_FALSE(store->replaceHistory(bad)) << bad.toStdString();
        EXPECT_EQ(store->allRows(), before) << bad.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing.sqlite")));
    EXPECT_TRUE(store->add({row("2025-03-07", editor, 1)}));
}
