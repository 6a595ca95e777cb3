// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Activity.h"
#include "FakeSessionState.h"
#include "FakeWorkspace.h"

#include <gtest/gtest.h>

TEST(SessionIsActive, DisplayAsleepWinsOverEverything)
{
    FakeSessionState session;
    session.displayAsleep = true;
    session.known = false;
    EXPECT_FALSE(Activity::sessionIsActive(session));
}

TEST(SessionIsActive, FollowsLockAndConsoleWithUnknownsCounting)
{
    const struct
    {
        const char* name;
        bool known;
        std::optional<bool> locked;
        std::optional<bool> console;
        bool active;
    } rows[] = {
        {"session cannot be described", false, true, false, true},
        {"neither fact known", true, std::nullopt, std::nullopt, true},
        {"locked", true, true, true, false},
        {"unlocked, on console", true, false, true, true},
        {"unlocked, other user in front", true, false, false, false},
        {"lock unknown, not on console", true, std::nullopt, false, false},
        {"locked, console unknown", true, true, std::nullopt, false},
    };
    for (const auto& row : rows) {
        FakeSessionState session;
        session.known = row.known;
        session.locked = row.locked;
        session.console = row.console;
        EXPECT_EQ(Activity::sessionIsActive(session), row.active) << row.name;
    }
}

TEST(UserIsPresent, IdleLimitDefaultsToTwoMinutes)
{
    FakeSessionState session;
    const RunningApp front = app("org.example.Editor");
    for (double setting : {0.0, -3.0, std::nan("")}) {
        session.idleSeconds = 119;
        EXPECT_TRUE(Activity::userIsPresent(front, session, setting));
        session.idleSeconds = 120;
        EXPECT_FALSE(Activity::userIsPresent(front, session, setting));
    }
    session.idleSeconds = 299;
    EXPECT_TRUE(Activity::userIsPresent(front, session, 5));
    session.idleSeconds = 300;
    EXPECT_FALSE(Activity::userIsPresent(front, session, 5));
}

TEST(UserIsPresent, HoldsAreAskedOnlyPastTheLimit)
{
    FakeSessionState session;
    session.idleSeconds = 10;
    Activity::userIsPresent(app("x"), session, 2);
    EXPECT_EQ(session.holdQueries, 0);
}

TEST(UserIsPresent, FrontAppOrItsChildKeepingTheDisplayAwake)
{
    FakeSessionState session;
    session.idleSeconds = 1000;
    const RunningApp player = app("org.example.Player", "Player", 100);

    session.holds = QList<DisplaySleepHold>{{100}};
    EXPECT_TRUE(Activity::userIsPresent(player, session, 2));

    session.holds = QList<DisplaySleepHold>{{555}};
    session.parents = {{555, 100}};
    EXPECT_TRUE(Activity::userIsPresent(player, session, 2));

    session.parents = {{555, 1}}; // someone else's process
    EXPECT_FALSE(Activity::userIsPresent(player, session, 2));
}

TEST(UserIsPresent, UnreadableHoldsDoNotCount)
{
    FakeSessionState session;
    session.idleSeconds = 1000;
    const RunningApp player = app("org.example.Player", "Player", 100);
    session.holds = std::nullopt;
    EXPECT_FALSE(Activity::userIsPresent(player, session, 2));
}

TEST(UserIsPresent, HoldsWithoutAKnownProcessNeverMatch)
{
    FakeSessionState session;
    session.idleSeconds = 1000;
    session.holds = QList<DisplaySleepHold>{{0}};
    EXPECT_FALSE(Activity::userIsPresent(app("x", "x", 0), session, 2));
    EXPECT_FALSE(Activity::userIsPresent(app("x", "x", 100), session, 2));
}
