// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "HistoryLock.h"
#include "Settings.h"
#include "Tracker.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

const RunningApp editor = app("org.example.Editor", "Editor", 100);
const RunningApp terminal = app("org.example.Terminal", "Terminal", 200);
const ItemKey editorKey{ItemKind::app, "org.example.Editor"};
const ItemKey terminalKey{ItemKind::app, "org.example.Terminal"};
using Sampling = Tracker::Sampling;

class TrackerTest : public ::testing::Test
{
protected:
    TrackerTest() { fake.workspace.setFront(editor); }

    std::unique_ptr<Tracker> make(Sampling sampling, bool withStore = true)
    {
        return std::make_unique<Tracker>(sampling, fake.platform(), settings,
                                         withStore ? Store::open(dbPath()) : nullptr);
    }
    QString dbPath() const { return fake.places.databasePath(); }

    // Samples every two seconds for the given time.
    static void run(Tracker& tracker, FakeClock& clock, int seconds)
    {
        for (int t = 0; t < seconds; t += 2) {
            clock.advance(2);
            tracker.tick();
        }
    }
    void run(Tracker& tracker, int seconds) { run(tracker, fake.clock, seconds); }

    static double secondsOf(const Summary& summary, const ItemKey& key)
    {
        for (const UsageItem& item : summary.items)
            if (item.key == key)
                return item.seconds;
        return 0;
    }
    double today(const Tracker& tracker, const ItemKey& key) const { return secondsOf(tracker.summary(Period::today), key); }

    FakePlatform fake;
    QTemporaryDir configDir;
    Settings settings{configDir.filePath("Horavane.conf")};
};

} // namespace

TEST_F(TrackerTest, TimeInFrontIsCreditedAndASwitchSplitsItAtOnce)
{
    auto tracker = make(Sampling::live);
    run(*tracker, 10);
    EXPECT_EQ(today(*tracker, editorKey), 10);

    fake.clock.advance(1);
    fake.workspace.activate(terminal); // samples at once: the second before the switch is the editor's
    run(*tracker, 4);
    EXPECT_EQ(today(*tracker, editorKey), 11);
    EXPECT_EQ(today(*tracker, terminalKey), 4);
    EXPECT_EQ(tracker->summary(Period::today).items.first().name, "Editor");
}

TEST_F(TrackerTest, OnlyIntervalsUpToSixSecondsCount)
{
    auto tracker = make(Sampling::whenTold);
    tracker->tick();
    fake.clock.advance(6);
    tracker->tick();
    EXPECT_EQ(today(*tracker, editorKey), 6);
    fake.clock.advance(7);
    tracker->tick();
    EXPECT_EQ(today(*tracker, editorKey), 6);
    fake.clock.advance(-3); // the clock went back
    tracker->tick();
    tracker->tick(); // no time passed
    EXPECT_EQ(today(*tracker, editorKey), 6);
    fake.clock.advance(2.5);
    tracker->tick();
    EXPECT_EQ(today(*tracker, editorKey), 8.5);
}

TEST_F(TrackerTest, AnIntervalAcrossMidnightCountsForTheNewDay)
{
    fake.clock.set(QDateTime(QDate(2025, 3, 5), QTime(23, 59, 57), fake.clock.timeZone()));
    auto tracker = make(Sampling::whenTold);
    tracker->tick();
    fake.clock.advance(5);
    tracker->tick();
    const QList<DayUsage> days = tracker->days(Period::week);
    EXPECT_EQ(days.last().day, "2025-03-06");
    EXPECT_EQ(secondsOf(days.last().summary, editorKey), 5);
    EXPECT_EQ(days[5].summary.total, 0);
}

TEST_F(TrackerTest, NothingCountsWhenTheUserOrSessionIsAway)
{
    const struct
    {
        const char* name;
        std::function<void(FakePlatform&)> setUp;
    } rows[] = {
        {"this program", [](FakePlatform& f) { f.workspace.setFront(app("app.corvani.Horavane")); }},
        {"this process", [](FakePlatform& f) { f.workspace.setFront(RunningApp{"", "horavane", 1}); }},
        {"no front app", [](FakePlatform& f) { f.workspace.setFront(std::nullopt); }},
        {"app without any name", [](FakePlatform& f) { f.workspace.setFront(RunningApp{"", "", 1}); }},
        {"locked screen", [](FakePlatform& f) { f.session.locked = true; }},
        {"display asleep", [](FakePlatform& f) { f.session.displayAsleep = true; }},
        {"another user's session", [](FakePlatform& f) { f.session.console = false; }},
        {"idle", [](FakePlatform& f) { f.session.idleSeconds = 121; }},
    };
    for (const auto& row : rows) {
        FakePlatform local;
        local.workspace.setFront(editor);
        row.setUp(local);
        Tracker tracker(Sampling::whenTold, local.platform(), settings);
        tracker.tick();
        run(tracker, local.clock, 10);
        EXPECT_EQ(tracker.summary(Period::today).total, 0) << row.name;
        EXPECT_EQ(tracker.revision(), 0) << row.name;
    }
}

TEST_F(TrackerTest, AnAppWithoutIdentifierCountsUnderItsName)
{
    fake.workspace.setFront(RunningApp{"", "XCalc", 1});
    auto tracker = make(Sampling::whenTold);
    tracker->tick();
    run(*tracker, 4);
    EXPECT_EQ(today(*tracker, (ItemKey{ItemKind::app, "XCalc"})), 4);
}

TEST_F(TrackerTest, IdleLimitComesFromTheSettings)
{
    settings.setIdleMinutes(5);
    fake.session.idleSeconds = 299;
    auto tracker = make(Sampling::whenTold);
    tracker->tick();
    run(*tracker, 4);
    EXPECT_EQ(today(*tracker, editorKey), 4);
    fake.session.idleSeconds = 300;
    run(*tracker, 4);
    EXPECT_EQ(today(*tracker, editorKey), 6); // the interval sampled while still present counts
}

TEST_F(TrackerTest, AVideoKeepsAnIdleUserCounting)
{
    fake.session.idleSeconds = 1000;
    fake.session.holds = QList<DisplaySleepHold>{{100}};
    auto tracker = make(Sampling::whenTold);
    tracker->tick();
    run(*tracker, 4);
    EXPECT_EQ(today(*tracker, editorKey), 4);
}

TEST_F(TrackerTest, ExcludingHidesPendingAndStoredTimeUntilIncluded)
{
    auto tracker = make(Sampling::live);
    run(*tracker, 60); // the flush at 60 s writes 60 s
    run(*tracker, 10); // pending
    const UsageItem item = tracker->summary(Period::today).items.first();
    ASSERT_EQ(item.seconds, 70);

    QSignalSpy excludedChanged(tracker.get(), &Tracker::excludedChanged);
    tracker->exclude(item);
    EXPECT_EQ(excludedChanged.count(), 1);
    EXPECT_EQ(tracker->summary(Period::today).total, 0);
    EXPECT_EQ(tracker->glance(), Glance());
    run(*tracker, 10); // not counted while excluded
    EXPECT_TRUE(Store::open(dbPath())->excluded().contains(editorKey));

    tracker->include(editorKey);
    EXPECT_EQ(today(*tracker, editorKey), 70);
    EXPECT_TRUE(Store::open(dbPath())->excluded().isEmpty());
}

TEST_F(TrackerTest, ExclusionsPersistAcrossRestarts)
{
    make(Sampling::whenTold)->exclude(UsageItem{editorKey, "Editor", 0});
    auto tracker = make(Sampling::whenTold);
    EXPECT_EQ(tracker->excluded().value(editorKey), "Editor");
    tracker->tick();
    run(*tracker, 4);
    EXPECT_EQ(tracker->summary(Period::today).total, 0);
}

TEST_F(TrackerTest, StoredAndPendingSecondsAddUpWithTheNewestName)
{
    Store::open(dbPath())->add({UsageRow{"2025-03-05", editorKey, "Old Editor", 100}});
    auto tracker = make(Sampling::whenTold);
    tracker->tick();
    run(*tracker, 20);
    const Summary summary = tracker->summary(Period::today);
    ASSERT_EQ(summary.items.size(), 1);
    EXPECT_EQ(summary.items.first(), (UsageItem{editorKey, "Editor", 120}));
}

TEST_F(TrackerTest, WithoutAStoreTimeIsKeptInMemory)
{
    auto tracker = make(Sampling::live, /*withStore=*/false);
    EXPECT_EQ(tracker->store(), nullptr);
    run(*tracker, 70);
    const QList<DayUsage> week = tracker->days(Period::week);
    ASSERT_EQ(week.size(), 7);
    EXPECT_EQ(week.last().day, "2025-03-05");
    EXPECT_EQ(week.first().day, "2025-02-27");
    EXPECT_EQ(secondsOf(week.last().summary, editorKey), 70);
    EXPECT_FALSE(tracker->restore(configDir.filePath("whatever.sqlite")));
}

TEST_F(TrackerTest, AStoreThatCannotBeOpenedStillCountsInMemory)
{
    QFile blocker(fake.places.dataFolder()); // a file where the data folder should be
    QDir().mkpath(QFileInfo(fake.places.dataFolder()).path());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto tracker = make(Sampling::live);
    EXPECT_EQ(tracker->store(), nullptr);
    run(*tracker, 80);
    EXPECT_EQ(today(*tracker, editorKey), 80);
}

TEST_F(TrackerTest, PendingSecondsAreWrittenAboutOnceAMinute)
{
    auto tracker = make(Sampling::live);
    run(*tracker, 58);
    EXPECT_TRUE(tracker->store()->allRows().isEmpty());
    run(*tracker, 2);
    ASSERT_EQ(tracker->store()->allRows().size(), 1);
    EXPECT_EQ(tracker->store()->allRows().first().seconds, 60);
    EXPECT_EQ(tracker->store()->allRows().first().name, "Editor");
    EXPECT_EQ(today(*tracker, editorKey), 60); // not counted twice
}

TEST_F(TrackerTest, AFailedWriteKeepsThePendingSecondsForTheNextFlush)
{
    auto tracker = make(Sampling::live);
    sqlite3* other = nullptr;
    sqlite3_open(QFile::encodeName(dbPath()).constData(), &other);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    run(*tracker, 60);
    EXPECT_EQ(today(*tracker, editorKey), 60);

    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    run(*tracker, 60);
    EXPECT_EQ(tracker->store()->allRows().first().seconds, 120);
    EXPECT_EQ(today(*tracker, editorKey), 120);
}

TEST_F(TrackerTest, SleepAndQuitWriteAtOnce)
{
    auto tracker = make(Sampling::live);
    run(*tracker, 10);
    fake.clock.advance(1);
    emit fake.events.willSleep();
    ASSERT_EQ(tracker->store()->allRows().size(), 1);
    EXPECT_EQ(tracker->store()->allRows().first().seconds, 11);

    fake.clock.advance(3600); // asleep for an hour: not counted
    tracker->tick();
    run(*tracker, 4);
    emit fake.events.willTerminate();
    EXPECT_EQ(tracker->store()->allRows().first().seconds, 15);
}

TEST_F(TrackerTest, TrackersThatAreNotLiveIgnoreTheSystem)
{
    auto tracker = make(Sampling::whenTold);
    fake.clock.advance(2);
    fake.workspace.activate(terminal);
    emit fake.events.willSleep();
    EXPECT_EQ(tracker->summary(Period::today).total, 0);
    EXPECT_TRUE(tracker->store()->allRows().isEmpty());
}

TEST_F(TrackerTest, TheTimerSamplesEveryTwoSeconds)
{
    auto tracker = make(Sampling::live);
    QSignalSpy revisions(tracker.get(), &Tracker::revisionChanged);
    fake.clock.advance(2);
    EXPECT_TRUE(revisions.wait(30000));
    EXPECT_EQ(today(*tracker, editorKey), 2);
}

TEST_F(TrackerTest, GlanceChangesOnlyWhenItLooksDifferent)
{
    auto tracker = make(Sampling::whenTold);
    QSignalSpy glances(tracker.get(), &Tracker::glanceChanged);
    tracker->tick();
    run(*tracker, 16); // a refresh with the same empty glance
    EXPECT_EQ(glances.count(), 0);
    run(*tracker, 44);
    EXPECT_EQ(tracker->glance(), Glance());
    run(*tracker, 14); // next refresh after reaching 60 s
    ASSERT_EQ(glances.count(), 1);
    EXPECT_EQ(tracker->glance().minutes, 1);
    EXPECT_EQ(tracker->glance().shares, QList<int>({100}));
}

TEST_F(TrackerTest, DeletingAllHistoryKeepsExclusions)
{
    auto tracker = make(Sampling::live);
    run(*tracker, 70);
    tracker->exclude(UsageItem{terminalKey, "Terminal", 0});
    const qint64 revision = tracker->revision();
    tracker->deleteAllHistory();
    EXPECT_GT(tracker->revision(), revision);
    EXPECT_EQ(tracker->summary(Period::month).total, 0);
    EXPECT_TRUE(tracker->store()->allRows().isEmpty());
    EXPECT_EQ(tracker->excluded().size(), 1);
}

TEST_F(TrackerTest, RestoringReplacesHistoryAndDropsPending)
{
    const QString backup = configDir.filePath("Horavane 2025-03-01.sqlite");
    Store::open(backup)->add({UsageRow{"2025-03-04", terminalKey, "Terminal", 300}});
    auto tracker = make(Sampling::live);
    run(*tracker, 10);
    EXPECT_TRUE(tracker->restore(backup));
    EXPECT_EQ(tracker->summary(Period::today).total, 0);
    EXPECT_EQ(secondsOf(tracker->summary(Period::week), terminalKey), 300);

    QFile junk(configDir.filePath("junk.sqlite"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a database");
    junk.close();
    const qint64 revision = tracker->revision();
    EXPECT_FALSE(tracker->restore(junk.fileName()));
    EXPECT_EQ(tracker->revision(), revision);
    EXPECT_EQ(secondsOf(tracker->summary(Period::week), terminalKey), 300);
}

TEST_F(TrackerTest, EveryWriteOfALiveTrackerAnnouncesTheBackupCheck)
{
    auto live = make(Sampling::live);
    QSignalSpy flushes(live.get(), &Tracker::flushed);
    fake.workspace.setFront(std::nullopt); // nothing to write: announced all the same
    run(*live, 120);
    EXPECT_EQ(flushes.count(), 2);

    auto preview = make(Sampling::whenTold);
    QSignalSpy previewFlushes(preview.get(), &Tracker::flushed);
    preview->flush();
    auto memoryOnly = make(Sampling::live, /*withStore=*/false);
    QSignalSpy memoryFlushes(memoryOnly.get(), &Tracker::flushed);
    memoryOnly->flush();
    EXPECT_EQ(previewFlushes.count() + memoryFlushes.count(), 0);
}

TEST_F(TrackerTest, AClockSetBackHoldsOffNeitherWritesNorTheGlance)
{
    auto tracker = make(Sampling::live);
    QSignalSpy glances(tracker.get(), &Tracker::glanceChanged);
    run(*tracker, 30);
    fake.clock.set(fake.clock.now().addSecs(-3600)); // a time server's step, or a dual-boot clock
    run(*tracker, 62);
    ASSERT_EQ(tracker->store()->allRows().size(), 1);
    EXPECT_EQ(tracker->store()->allRows().first().seconds, 58); // the sample across the step is dropped
    EXPECT_EQ(glances.count(), 1);
}

TEST_F(TrackerTest, AZoneChangeMovesTheDayAtOnce)
{
    const struct
    {
        const char* name;
        const char* zone;
        const char* day;
        double seconds; // of the newest day (the first sample only starts counting)
    } cases[] = {
        {"eastward past midnight", "Asia/Tokyo", "2025-03-06", 4},
        {"westward, same day", "America/New_York", "2025-03-05", 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeClock clock(QDateTime(QDate(2025, 3, 5), QTime(23, 0), QTimeZone("Europe/Berlin")));
        FakePlatform other;
        other.workspace.setFront(editor);
        Platform platform = other.platform();
        platform.clock = &clock;
        Tracker tracker(Sampling::whenTold, platform, settings);
        run(tracker, clock, 4);
        clock.setTimeZone(QTimeZone(c.zone));
        run(tracker, clock, 4);
        QStringList days;
        for (const DayUsage& day : tracker.days(Period::week))
            if (day.summary.total > 0)
                days.append(day.day);
        EXPECT_EQ(days.last(), c.day);
        EXPECT_EQ(secondsOf(tracker.days(Period::week).last().summary, editorKey), c.seconds);
    }
}

TEST_F(TrackerTest, ControlCharactersNeverReachARecordedName)
{
    fake.workspace.setFront(app("org.example.\x1b[31mEvil", "Evil\u202Egnp.exe\n\x07", 300));
    auto tracker = make(Sampling::live);
    run(*tracker, 60);
    const UsageRow row = tracker->store()->allRows().value(0);
    EXPECT_EQ(row.key.id, "org.example.[31mEvil");
    EXPECT_EQ(row.name, "Evilgnp.exe");
}

TEST_F(TrackerTest, ChangesTheFileRefusesLeaveEverythingAsTheFileIs)
{
    auto tracker = make(Sampling::live);
    run(*tracker, 60);
    tracker->exclude(UsageItem{terminalKey, "Terminal", 0});
    HistoryLock other(dbPath());
    ASSERT_TRUE(other.isHeld());
    const qint64 revision = tracker->revision();
    EXPECT_FALSE(tracker->deleteAllHistory());
    EXPECT_FALSE(tracker->exclude(UsageItem{editorKey, "Editor", 0}));
    EXPECT_FALSE(tracker->include(terminalKey));
    EXPECT_EQ(tracker->revision(), revision);
    EXPECT_EQ(tracker->excluded().keys(), QList<ItemKey>({terminalKey}));
    other.release();
    EXPECT_EQ(today(*tracker, editorKey), 60);
}
