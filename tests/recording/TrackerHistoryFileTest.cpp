// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DamagedHistory.h"
#include "FakePlatform.h"
#include "HistoryLock.h"
#include "Settings.h"
#include "Tracker.h"

#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

const RunningApp editor = app("org.example.Editor", "Editor", 100);
const ItemKey editorKey{ItemKind::app, "org.example.Editor"};

class TrackerHistoryFileTest : public ::testing::Test
{
protected:
    TrackerHistoryFileTest() { fake.workspace.setFront(editor); }

    std::unique_ptr<Tracker> recorder()
    {
        auto tracker = std::make_unique<Tracker>(Tracker::Sampling::live, fake.platform(), settings);
        tracker->keepOpening(HistoryFile(path(), fake.clock));
        return tracker;
    }
    QString path() const { return fake.places.databasePath(); }
    void run(Tracker& tracker, int seconds)
    {
        for (int t = 0; t < seconds; t += 2) {
            fake.clock.advance(2);
            tracker.tick();
        }
    }
    double stored(const QString& file) const
    {
        double total = 0;
        for (const UsageRow& row : Store::open(file)->allRows())
            total += row.seconds;
        return total;
    }

    FakePlatform fake;
    QTemporaryDir configDir;
    Settings settings{configDir.filePath("Horavane.conf")};
};

} // namespace

TEST_F(TrackerHistoryFileTest, AFileLockedAtStartIsOpenedOnceReleasedAndEverySecondArrives)
{
    Store::open(path())->add({UsageRow{"2025-03-04", editorKey, "Editor", 30}});
    HistoryLock other(path());
    ASSERT_TRUE(other.isHeld());

    auto tracker = recorder();
    QSignalSpy changes(tracker.get(), &Tracker::historyFileChanged);
    EXPECT_TRUE(tracker->keepsTimeInMemoryOnly());
    run(*tracker, 60); // a write attempt while still locked
    EXPECT_TRUE(tracker->keepsTimeInMemoryOnly());

    other.release();
    run(*tracker, 60);
    EXPECT_FALSE(tracker->keepsTimeInMemoryOnly());
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(stored(path()), 30 + 120);
    EXPECT_EQ(tracker->summary(Period::today).total, 120);
}

TEST_F(TrackerHistoryFileTest, ADamagedFileIsMovedAsideKeptAndAFreshHistoryRecords)
{
    const struct
    {
        const char* name;
        void (*damage)(const QString&);
    } cases[] = {
        {"not a database", DamagedHistory::overwriteWhole},
        {"damaged page found while writing", DamagedHistory::overwriteUsagePage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(fake.places.dataFolder()).removeRecursively();
        Store::open(path())->add({UsageRow{"2025-03-04", editorKey, "Editor", 30}});
        c.damage(path());
        QFile damaged(path());
        ASSERT_TRUE(damaged.open(QIODevice::ReadOnly));
        const QByteArray before = damaged.readAll();

        auto tracker = recorder();
        QSignalSpy changes(tracker.get(), &Tracker::historyFileChanged);
        run(*tracker, 120);
        const QString aside = tracker->damagedHistoryCopy();
        EXPECT_TRUE(QRegularExpression("^usage-damaged-2025-03-05-12\\d{4}\\.sqlite$")
                        .match(QFileInfo(aside).fileName())
                        .hasMatch())
            << aside.toStdString();
        EXPECT_EQ(QFileInfo(aside).path(), fake.places.dataFolder());
        QFile kept(aside);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), before);
        EXPECT_FALSE(tracker->keepsTimeInMemoryOnly());
        EXPECT_EQ(stored(path()), 120);
        EXPECT_EQ(tracker->summary(Period::today).total, 120);
    }
}

TEST_F(TrackerHistoryFileTest, ASecondDamagedFileInTheSameSecondKeepsTheFirst)
{
    const QString first = fake.places.dataFolder() + "/usage-damaged-2025-03-05-120000.sqlite";
    QDir().mkpath(fake.places.dataFolder());
    EXPECT_TRUE(QFile(first).open(QIODevice::WriteOnly));
    Store::open(path());
    DamagedHistory::overwriteWhole(path());
    auto tracker = recorder();
    EXPECT_EQ(QFileInfo(tracker->damagedHistoryCopy()).fileName(), "usage-damaged-2025-03-05-120000-2.sqlite");
    EXPECT_EQ(QFileInfo(first).size(), 0);
}
