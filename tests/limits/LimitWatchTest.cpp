// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LimitWatch.h"
#include "FakeNotifier.h"
#include "FakePlatform.h"
#include "Settings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const RunningApp editor = app("org.example.Editor", "Editor");
const ItemKey editorKey{ItemKind::app, "org.example.Editor"};

// What happens, in order: use the editor for a while (at the computer or away), or something else.
struct Step
{
    enum What
    {
        use,
        away,
        nextDay,
        restart,
        othersUsed,
        exclude,
        deleteHistory
    } what;
    int seconds = 0;
};

struct Case
{
    const char* name;
    QList<Step> steps;
    QStringList expected; // "warning" or "limit", in order
    bool warns = true;
    bool countsAllComputers = false;
};

class LimitWatchRun
{
public:
    LimitWatchRun(const Case& test)
    {
        settings.setDailyLimit({rawValue(ItemKind::app), editorKey.id, 10});
        settings.setWarnsBeforeLimit(test.warns);
        settings.setLimitsCountAllComputers(test.countsAllComputers);
        fake.workspace.setFront(editor);
        start();
    }

    void start()
    {
        watch.reset();
        tracker.reset(); // closes the history file before it opens again
        tracker = std::make_unique<Tracker>(Tracker::Sampling::whenTold, fake.platform(), settings,
                                            Store::open(fake.places.databasePath()));
        watch = std::make_unique<LimitWatch>(*tracker, settings, notifier);
        tracker->tick();
    }

    void perform(const Step& step)
    {
        switch (step.what) {
        case Step::use:
        case Step::away:
            fake.session.idleSeconds = step.what == Step::away ? 3600 : 0;
            for (int t = 0; t < step.seconds; t += 2) {
                fake.clock.advance(2);
                tracker->tick();
            }
            break;
        case Step::nextDay:
            fake.clock.advance(24 * 3600);
            tracker->tick();
            break;
        case Step::restart:
            tracker->flush();
            start();
            break;
        case Step::othersUsed:
            watch->setOtherComputers(tracker->days(Period::today).constFirst().day, {{editorKey, step.seconds}});
            break;
        case Step::exclude:
            tracker->exclude(UsageItem{editorKey, "Editor", 0});
            break;
        case Step::deleteHistory:
            tracker->deleteAllHistory();
            break;
        }
    }

    QStringList told() const
    {
        QStringList kinds;
        for (const Notifier::Notice& notice : notifier.shown) {
            EXPECT_TRUE(notice.title.contains("Editor")) << notice.title.toStdString();
            EXPECT_FALSE(notice.action.isEmpty());
            kinds.append(notice.title.startsWith("Daily limit reached") ? "limit" : "warning");
        }
        return kinds;
    }

    FakePlatform fake;
    QTemporaryDir configDir;
    Settings settings{configDir.filePath("Horavane.conf")};
    FakeNotifier notifier;
    std::unique_ptr<Tracker> tracker;
    std::unique_ptr<LimitWatch> watch;
};

} // namespace

TEST(LimitWatch, TellsOfTheWarningAndTheLimitOnceADayEachWhileTheUserIsThere)
{
    const QList<Case> cases = {
        {"both once", {{Step::use, 30 * 60}}, {"warning", "limit"}},
        {"without the warning", {{Step::use, 30 * 60}}, {"limit"}, false},
        {"short of the warning", {{Step::use, 4 * 60}}, {}},
        {"a new day afresh",
         {{Step::use, 11 * 60}, {Step::nextDay}, {Step::use, 11 * 60}},
         {"warning", "limit", "warning", "limit"}},
        {"not again after a restart",
         {{Step::use, 6 * 60}, {Step::restart}, {Step::use, 10 * 60}},
         {"warning", "limit"}},
        {"time away does not count", {{Step::away, 30 * 60}, {Step::use, 4 * 60}}, {}},
        {"an excluded item never", {{Step::exclude}, {Step::use, 30 * 60}}, {}},
        {"other computers' time added",
         {{Step::othersUsed, 9 * 60}, {Step::use, 62}},
         {"warning", "limit"},
         true,
         true},
        {"other computers' time only when asked", {{Step::othersUsed, 9 * 60}, {Step::use, 62}}, {}, true, false},
        {"none while away", {{Step::othersUsed, 11 * 60}, {Step::away, 60}}, {}, true, true},
        {"deleted time no longer counts",
         {{Step::use, 6 * 60}, {Step::deleteHistory}, {Step::use, 5 * 60}},
         {"warning"}},
        {"told once back from away",
         {{Step::othersUsed, 11 * 60}, {Step::away, 60}, {Step::use, 2}},
         {"limit"},
         true,
         true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        LimitWatchRun run(test);
        for (const Step& step : test.steps)
            run.perform(step);
        EXPECT_EQ(run.told(), test.expected);
    }
}
