// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinuxSessionState.h"
#include "MockBus.h"

#include <QDBusVariant>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const QString login1 = QStringLiteral("org.freedesktop.login1");
const QString sessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString sessionPath = QStringLiteral("/org/freedesktop/login1/session/c7");
const QString gnomeSaver = QStringLiteral("org.gnome.ScreenSaver");
const QString freedesktopSaver = QStringLiteral("org.freedesktop.ScreenSaver");

// A system bus with logind holding session "c7" of a user on seat0, and an empty session bus.
class SessionStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!MockBus::toolsAvailable())
            GTEST_SKIP() << "dbus-daemon or python3-dbusmock missing";
        ASSERT_TRUE(system.isRunning());
        ASSERT_TRUE(session.isRunning());
        qputenv("XDG_SESSION_ID", "c7");
    }
    void TearDown() override { qunsetenv("XDG_SESSION_ID"); }

    void startLogind()
    {
        ASSERT_NE(system.startMock({QStringLiteral("--template"), QStringLiteral("logind")}, login1), 0);
        const QDBusMessage added =
            system.mock(login1, QStringLiteral("/org/freedesktop/login1"), QStringLiteral("AddSession"),
                        {QStringLiteral("c7"), QStringLiteral("seat0"), QVariant::fromValue(uint(1000)),
                         QStringLiteral("someone"), true});
        ASSERT_EQ(added.type(), QDBusMessage::ReplyMessage) << added.errorMessage().toStdString();
    }

    void startGnomeScreenSaver()
    {
        ASSERT_NE(session.startMock({QStringLiteral("--template"), QStringLiteral("gnome_screensaver")}, gnomeSaver),
                  0);
    }

    // GNOME also owns the freedesktop name, but answers GetActive with "not supported".
    void startRefusingFreedesktopScreenSaver()
    {
        ASSERT_NE(
            session.startMock({freedesktopSaver, QStringLiteral("/org/freedesktop/ScreenSaver"), freedesktopSaver},
                              freedesktopSaver),
            0);
        session.addMethod(freedesktopSaver, QStringLiteral("/org/freedesktop/ScreenSaver"), freedesktopSaver,
                          QStringLiteral("GetActive"), QString(), QStringLiteral("b"),
                          QStringLiteral("raise dbus.exceptions.DBusException('no', "
                                         "name='org.freedesktop.DBus.Error.NotSupported')"));
    }

    void setGnomeActive(bool active)
    {
        session.call(gnomeSaver, QStringLiteral("/org/gnome/ScreenSaver"), gnomeSaver, QStringLiteral("SetActive"),
                     {active});
    }

    std::unique_ptr<LinuxSessionState> makeState()
    {
        return std::make_unique<LinuxSessionState>(
            system.connect(QStringLiteral("tested")), session.connect(QStringLiteral("tested")), [] { return 42.5; },
            [] { return false; });
    }

    MockBus system;
    MockBus session;
};

} // namespace

TEST_F(SessionStateTest, WithoutServicesEverythingIsUnknown)
{
    const auto state = makeState();
    EXPECT_FALSE(state->sessionIsKnown());
    EXPECT_EQ(state->screenIsLocked(), std::nullopt);
    EXPECT_EQ(state->onConsole(), std::nullopt);
    // No service that keeps holds answered: unknown, which counts as no hold.
    EXPECT_EQ(state->displaySleepHolds(), std::nullopt);
    EXPECT_TRUE(state->sourcesDescription().contains(QLatin1String("no logind session")));
}

TEST(SessionStateWithoutBuses, EverythingIsUnknownAndNothingWaits)
{
    const QDBusConnection none =
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("no bus"));
    LinuxSessionState state(none, none, nullptr, nullptr);
    EXPECT_FALSE(state.sessionIsKnown());
    EXPECT_EQ(state.screenIsLocked(), std::nullopt);
    EXPECT_EQ(state.displaySleepHolds(), std::nullopt);
    EXPECT_FALSE(state.displayIsAsleep());
    EXPECT_EQ(state.secondsSinceLastInput(), 0);
}

TEST_F(SessionStateTest, FindsTheSessionNamedByTheEnvironment)
{
    startLogind();
    const auto state = makeState();
    EXPECT_TRUE(state->sessionIsKnown());
    EXPECT_EQ(state->screenIsLocked(), false);
    EXPECT_EQ(state->onConsole(), true);
    EXPECT_TRUE(state->sourcesDescription().contains(sessionPath)) << state->sourcesDescription().toStdString();
}

TEST_F(SessionStateTest, FindsTheSessionByProcessWithoutTheEnvironment)
{
    startLogind();
    qunsetenv("XDG_SESSION_ID");
    system.addMethod(login1, QStringLiteral("/org/freedesktop/login1"),
                     QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("GetSessionByPID"),
                     QStringLiteral("u"), QStringLiteral("o"), QString(QStringLiteral("ret = '") + sessionPath + "'"));
    const auto state = makeState();
    EXPECT_TRUE(state->sessionIsKnown());
    EXPECT_EQ(state->onConsole(), true);
}

TEST_F(SessionStateTest, FindsTheSessionThroughTheAutoAliasOutsideAnySession)
{
    startLogind();
    qunsetenv("XDG_SESSION_ID");
    system.addMethod(login1, QStringLiteral("/org/freedesktop/login1"),
                     QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("AddAlias"), QString(), QString(),
                     QStringLiteral("self.AddObject('/org/freedesktop/login1/session/auto', "
                                    "'org.freedesktop.login1.Session', {'Id': 'c7'}, [])"));
    system.call(login1, QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
                QStringLiteral("AddAlias"));
    const auto state = makeState();
    // The alias sends no signals, so the real path must be the one followed.
    EXPECT_TRUE(state->sourcesDescription().contains(sessionPath)) << state->sourcesDescription().toStdString();
    system.call(login1, sessionPath, sessionInterface, QStringLiteral("SetLockedHint"), {true});
    EXPECT_TRUE(waitUntil([&] { return state->screenIsLocked() == true; }));
}

TEST_F(SessionStateTest, LockedHintSignalLocksAndUnlocks)
{
    startLogind();
    const auto state = makeState();
    QSignalSpy changes(state.get(), &LinuxSessionState::sessionChanged);
    for (const bool locked : {true, false}) {
        system.call(login1, sessionPath, sessionInterface, QStringLiteral("SetLockedHint"), {locked});
        ASSERT_TRUE(waitUntil([&] { return state->screenIsLocked() == locked; })) << locked;
    }
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(SessionStateTest, InactiveSessionIsNotOnConsole)
{
    startLogind();
    const auto state = makeState();
    system.mock(login1, sessionPath, QStringLiteral("UpdateProperties"),
                {sessionInterface, QVariantMap{{QStringLiteral("Active"), false}}});
    ASSERT_TRUE(waitUntil([&] { return state->onConsole() == false; }));
    EXPECT_EQ(state->screenIsLocked(), false);
}

TEST_F(SessionStateTest, LockRequestRereadsTheLockedHint)
{
    startLogind();
    const auto state = makeState();
    // A locker that sets the hint without announcing it; the Lock signal alone must lead to it.
    system.addMethod(login1, sessionPath, sessionInterface, QStringLiteral("LockQuietly"), QString(), QString(),
                     QStringLiteral("self.props['org.freedesktop.login1.Session']['LockedHint'] = True; "
                                    "self.EmitSignal('', 'Lock', '', [])"));
    system.call(login1, sessionPath, sessionInterface, QStringLiteral("LockQuietly"));
    EXPECT_TRUE(waitUntil([&] { return state->screenIsLocked() == true; }));
}

TEST_F(SessionStateTest, GnomeScreenSaverLocksWhereTheFreedesktopOneRefuses)
{
    startRefusingFreedesktopScreenSaver();
    startGnomeScreenSaver();
    const auto state = makeState();
    EXPECT_TRUE(state->sessionIsKnown());
    EXPECT_EQ(state->screenIsLocked(), false);
    EXPECT_EQ(state->onConsole(), std::nullopt);
    setGnomeActive(true);
    ASSERT_TRUE(waitUntil([&] { return state->screenIsLocked() == true; }));
    setGnomeActive(false);
    EXPECT_TRUE(waitUntil([&] { return state->screenIsLocked() == false; }));
}

TEST_F(SessionStateTest, ScreenSaverLockWinsOverAnUnlockedSession)
{
    startLogind();
    startGnomeScreenSaver();
    const auto state = makeState();
    setGnomeActive(true);
    ASSERT_TRUE(waitUntil([&] { return state->screenIsLocked() == true; }));
    EXPECT_EQ(state->onConsole(), true);
}

TEST_F(SessionStateTest, ScreenSaverThatComesAndGoesIsFollowed)
{
    const auto state = makeState();
    ASSERT_FALSE(state->sessionIsKnown());
    startGnomeScreenSaver();
    ASSERT_TRUE(waitUntil([&] { return state->sessionIsKnown(); }));
    setGnomeActive(true);
    ASSERT_TRUE(waitUntil([&] { return state->screenIsLocked() == true; }));
    session.stopMock(gnomeSaver);
    EXPECT_TRUE(waitUntil([&] { return !state->sessionIsKnown(); }));
    EXPECT_EQ(state->screenIsLocked(), std::nullopt);
}
