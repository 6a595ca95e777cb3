// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BreakReminder.h"
#include "FakeNotifier.h"
#include "FakePlatform.h"
#include "Settings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A stretch of minutes at the keyboard, idle (no input) or with the screen locked.
struct Stretch
{
    enum How
    {
        working,
        idle,
        locked
    } how;
    int minutes;
};

struct Case
{
    const char* name;
    QList<Stretch> stretches;
    int reminders;
    bool on = true;
};

} // namespace

TEST(BreakReminder, SuggestsABreakAfterTheChosenTimeWithoutAPause)
{
    const QList<Case> cases = {
        {"after 50 minutes", {{Stretch::working, 51}}, 1},
        {"not before", {{Stretch::working, 49}}, 0},
        {"again after 50 more", {{Stretch::working, 101}}, 2},
        {"only when asked", {{Stretch::working, 120}}, 0, false},
        {"a locked screen is a pause", {{Stretch::working, 45}, {Stretch::locked, 6}, {Stretch::working, 45}}, 0},
        {"idleness is a pause", {{Stretch::working, 45}, {Stretch::idle, 6}, {Stretch::working, 45}}, 0},
        {"a short pause is none", {{Stretch::working, 45}, {Stretch::idle, 3}, {Stretch::working, 10}}, 1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        FakePlatform fake;
        fake.workspace.setFront(app("org.example.Editor", "Editor"));
        QTemporaryDir configDir;
        Settings settings(configDir.filePath("Horavane.conf"));
        settings.setRemindsOfBreaks(test.on);
        FakeNotifier notifier;
        Tracker tracker(Tracker::Sampling::whenTold, fake.platform(), settings);
        BreakReminder reminder(tracker, fake.session, settings, notifier);
        for (const Stretch& stretch : test.stretches) {
            fake.session.locked = stretch.how == Stretch::locked;
            for (int t = 0; t < stretch.minutes * 60; t += 2) {
                fake.session.idleSeconds = stretch.how == Stretch::working ? 0 : fake.session.idleSeconds + 2;
                fake.clock.advance(2);
                tracker.tick();
            }
            fake.session.idleSeconds = 0;
        }
        EXPECT_EQ(notifier.shown.size(), test.reminders);
        for (const Notifier::Notice& notice : notifier.shown)
            EXPECT_TRUE(notice.body.contains("50 minute")) << notice.body.toStdString();
    }
}
