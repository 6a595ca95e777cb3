// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupFolder.h"
#include "FakePlatform.h"
#include "Settings.h"
#include "Tracker.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

void PrintTo(const UsageRow& row, std::ostream* out)
{
    *out << row.day.toStdString() << ' ' << rawValue(row.key.kind) << ' ' << row.key.id.toStdString() << ' '
         << row.name.toStdString() << ' ' << row.seconds;
}

namespace {

const ItemKey editor{ItemKind::app, "org.example.Editor"};
const ItemKey site{ItemKind::site, "example.com"};

// A database file written by hand, as a damaged or foreign file would be.
bool writeDatabase(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    const bool opened = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK;
    const bool written = opened && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return written;
}

// A real backup file of a long history, the kind the daily copy writes.
QString writeBackup(const QString& path, int days)
{
    auto store = Store::open(path);
    QList<UsageRow> rows;
    for (int d = 0; d < days; ++d) {
        const QString day = QDate(2024, 1, 1).addDays(d).toString(Qt::ISODate);
        for (int i = 0; i < 20; ++i)
            rows.append(UsageRow{day, ItemKey{ItemKind::app, QStringLiteral("org.example.App%1").arg(i)},
                                 QStringLiteral("App %1").arg(i), 60.0 * i});
    }
    store->add(rows);
    return path;
}

QString truncatedCopy(const QString& from, const QString& to, double share)
{
    QFile::copy(from, to);
    QFile file(to);
    file.resize(static_cast<qint64>(static_cast<double>(file.size()) * share));
    return to;
}

class RestoreTest : public ::testing::Test
{
protected:
    RestoreTest()
    {
        fake.workspace.setFront(app("org.example.Editor", "Editor"));
        auto store = Store::open(fake.places.databasePath());
        store->add({UsageRow{"2025-03-04", editor, "Editor", 100}, UsageRow{"2025-03-05", site, "example.com", 50}});
        tracker = std::make_unique<Tracker>(Tracker::Sampling::whenTold, fake.platform(), settings, std::move(store));
        before = tracker->store()->allRows();
    }

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    FakePlatform fake;
    QTemporaryDir dir;
    Settings settings{dir.filePath("Horavane.conf")};
    std::unique_ptr<Tracker> tracker;
    QList<UsageRow> before;
};

} // namespace

TEST_F(RestoreTest, AGoodCopyReplacesUsageAndKeepsExclusions)
{
    tracker->exclude(UsageItem{site, "example.com", 0});
    const QString copy = writeBackup(path("Horavane 2024-01-10.sqlite"), 10);
    const qint64 revision = tracker->revision();

    ASSERT_TRUE(tracker->restore(copy));
    EXPECT_EQ(tracker->store()->allRows().size(), 200);
    EXPECT_TRUE(tracker->excluded().contains(site));
    EXPECT_GT(tracker->revision(), revision);
}

TEST_F(RestoreTest, PendingSecondsAreWrittenBeforeTheyAreReplaced)
{
    fake.clock.advance(2);
    tracker->tick();
    fake.clock.advance(2);
    tracker->tick(); // two seconds pending for the editor
    const QString copy = writeBackup(path("copy.sqlite"), 1);
    ASSERT_TRUE(tracker->restore(copy));
    EXPECT_EQ(tracker->summary(Period::today).total, 0); // the pending seconds did not survive on top
}

struct BadFile
{
    const char* name;
    // Writes the file at path; the file is what a restore is offered.
    std::function<void(const QString& path, const QString& good)> make;
};

class RestoreRejects : public RestoreTest, public ::testing::WithParamInterface<BadFile>
{
};

TEST_P(RestoreRejects, AndLeavesHistoryUntouched)
{
    const QString good = writeBackup(path("good.sqlite"), 400);
    const QString bad = path("bad.sqlite");
    GetParam().make(bad, good);
    const qint64 revision = tracker->revision();

    EXPECT_FALSE(tracker->restore(bad));
    EXPECT_EQ(tracker->store()->allRows(), before);
    EXPECT_EQ(tracker->revision(), revision);
    // Nothing stays attached or half-done: the store still writes.
    EXPECT_TRUE(tracker->store()->add({UsageRow{"2025-03-06", editor, "Editor", 1}}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, RestoreRejects,
    ::testing::Values(
        BadFile{"textFile",
                [](const QString& path, const QString&) {
                    QFile file(path);
                    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                    file.write("Date,Type,Name,Identifier,Seconds\n2025-03-01,App,Mail,com.apple.mail,60\n");
                }},
        BadFile{"randomBytes",
                [](const QString& path, const QString&) {
                    QFile file(path);
                    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                    QByteArray bytes(64 * 1024, '\0');
                    for (int i = 0; i < bytes.size(); ++i)
                        bytes[i] = static_cast<char>((i * 7919) ^ (i >> 3));
                    file.write(bytes);
                }},
        BadFile{"emptyFile",
                [](const QString& path, const QString&) {
                    QFile file(path);
                    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                }},
        BadFile{"headerOnly", [](const QString& path, const QString& good) { truncatedCopy(good, path, 0.001); }},
        BadFile{"truncatedHalf", [](const QString& path, const QString& good) { truncatedCopy(good, path, 0.5); }},
        BadFile{"truncatedNearEnd", [](const QString& path, const QString& good) { truncatedCopy(good, path, 0.97); }},
        BadFile{"pagesOverwritten",
                [](const QString& path, const QString& good) {
                    QFile::copy(good, path);
                    QFile file(path);
                    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
                    file.seek(file.size() / 2);
                    file.write(QByteArray(8192, '\x5a'));
                }},
        BadFile{"noUsageTable",
                [](const QString& path, const QString&) { writeDatabase(path, "CREATE TABLE notes (text TEXT)"); }},
        BadFile{"usageWithOtherColumns",
                [](const QString& path, const QString&) {
                    writeDatabase(path, "CREATE TABLE usage (date TEXT, app TEXT, minutes REAL);"
                                        "INSERT INTO usage VALUES ('2025-03-01', 'Mail', 3)");
                }},
        BadFile{"nullName",
                [](const QString& path, const QString&) {
                    writeDatabase(path, "CREATE TABLE usage (day, kind, id, name, seconds);"
                                        "INSERT INTO usage VALUES ('2025-03-01', 0, 'a', NULL, 1)");
                }},
        BadFile{"duplicateKeys",
                [](const QString& path, const QString&) {
                    writeDatabase(path, "CREATE TABLE usage (day, kind, id, name, seconds);"
                                        "INSERT INTO usage VALUES ('2025-03-01', 0, 'a', 'A', 1);"
                                        "INSERT INTO usage VALUES ('2025-03-01', 0, 'a', 'A', 2)");
                }},
        BadFile{"missingFile", [](const QString&, const QString&) {}},
        BadFile{"aFolder", [](const QString& path, const QString&) { QDir().mkpath(path); }}),
    [](const ::testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

// Files that read as usage rows but are not this program's usage table: a table with more columns
// (another program's, or a newer format) or a view in its place. Disabled until the store checks
// the attached table's shape before replacing.
INSTANTIATE_TEST_SUITE_P(
    OtherShapes, RestoreRejects,
    ::testing::Values(BadFile{"usageWithExtraColumns",
                              [](const QString& path, const QString&) {
                                  writeDatabase(
                                      path,
                                      "CREATE TABLE usage (day TEXT, kind INTEGER, id TEXT, name TEXT, seconds REAL,"
                                      " device TEXT);"
                                      "INSERT INTO usage VALUES ('2025-03-01', 0, 'a', 'A', 5, 'other-mac')");
                              }},
                      BadFile{"usageIsAView",
                              [](const QString& path, const QString&) {
                                  writeDatabase(path,
                                                "CREATE VIEW usage AS SELECT '2025-03-01' AS day, 0 AS kind, 'a' AS id,"
                                                " 'A' AS name, 5.0 AS seconds");
                              }}),
    [](const ::testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST_F(RestoreTest, AFetchedCopyRestoresAndTheCopyInTheBackupFolderStays)
{
    const QString folder = fake.places.syncFolder() + "/Horavane/old-computer";
    QDir().mkpath(folder);
    writeBackup(folder + "/Horavane 2024-01-03.sqlite", 3);
    const QList<BackupFolder::Copy> copies = BackupFolder::copies(fake.places.syncFolder(), "new-computer");
    ASSERT_EQ(copies.size(), 1);

    const std::optional<QString> local = BackupFolder::fetch(copies.first(), fake.places.temporaryFolder());
    ASSERT_TRUE(local);
    EXPECT_TRUE(local->startsWith(fake.places.temporaryFolder() + "/horavane-restore-"));
    ASSERT_TRUE(tracker->restore(*local));
    EXPECT_EQ(tracker->store()->allRows().size(), 60);
    EXPECT_TRUE(QFile::exists(copies.first().path));
}
