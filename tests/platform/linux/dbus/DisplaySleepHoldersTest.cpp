// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplaySleepHoldWatch.h"
#include "LinuxSessionState.h"
#include "MockBus.h"

#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const QString login1 = QStringLiteral("org.freedesktop.login1");
const QString loginPath = QStringLiteral("/org/freedesktop/login1");
const QString manager = QStringLiteral("org.freedesktop.login1.Manager");
const QString gnomeSession = QStringLiteral("org.gnome.SessionManager");
const QString gnomePath = QStringLiteral("/org/gnome/SessionManager");
const QString mprisPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

DisplaySleepHold hold(qint64 pid)
{
    return {pid};
}

class DisplaySleepHoldersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!MockBus::toolsAvailable())
            GTEST_SKIP() << "dbus-daemon or python3-dbusmock missing";
        ASSERT_TRUE(system.isRunning());
        ASSERT_TRUE(session.isRunning());
    }

    // A logind whose inhibitor list is the given Python expression of (what, who, why, mode, uid, pid).
    void startLogind(const QString& inhibitors)
    {
        ASSERT_NE(system.startMock({login1, loginPath, manager}, login1), 0);
        listLogindInhibitors(inhibitors);
    }

    void listLogindInhibitors(const QString& inhibitors)
    {
        system.addMethod(login1, loginPath, manager, QStringLiteral("ListInhibitors"), QString(),
                         QStringLiteral("a(ssssuu)"), QStringLiteral("ret = ") + inhibitors);
    }

    // A media player on the session bus in the given playback state; its pid.
    qint64 startPlayer(const QString& name, const QString& status)
    {
        const qint64 pid = session.startMock({name, mprisPath, playerInterface}, name);
        session.mock(name, mprisPath, QStringLiteral("AddProperty"),
                     {playerInterface, QStringLiteral("PlaybackStatus"), QVariant::fromValue(QDBusVariant(status))});
        return pid;
    }

    // A GNOME session manager whose inhibitors are (number, flags, application id) in Python.
    void startGnome(const QString& inhibitors)
    {
        ASSERT_NE(session.startMock({gnomeSession, gnomePath, gnomeSession}, gnomeSession), 0);
        session.addMethod(gnomeSession, gnomePath, gnomeSession, QStringLiteral("Setup"), QString(),
                          QStringLiteral("i"),
                          QStringLiteral("inhibitors = ") + inhibitors +
                              QStringLiteral("\n"
                                             "for n, flags, app in inhibitors:\n"
                                             "    self.AddObject('/org/gnome/SessionManager/Inhibitor%d' % n,"
                                             " 'org.gnome.SessionManager.Inhibitor', {},"
                                             " [('GetFlags', '', 'u', 'ret = %d' % flags),"
                                             " ('GetAppId', '', 's', 'ret = %r' % app)])\n"
                                             "ret = len(inhibitors)"));
        session.call(gnomeSession, gnomePath, gnomeSession, QStringLiteral("Setup"));
        listGnomeInhibitors(QStringLiteral("[n for n, _, _ in ") + inhibitors + QStringLiteral("]"));
    }

    void listGnomeInhibitors(const QString& numbers)
    {
        session.addMethod(gnomeSession, gnomePath, gnomeSession, QStringLiteral("GetInhibitors"), QString(),
                          QStringLiteral("ao"),
                          QStringLiteral("ret = ['/org/gnome/SessionManager/Inhibitor%d' % n for n in ") + numbers +
                              QStringLiteral("]"));
    }

    std::unique_ptr<DisplaySleepHoldWatch> makeWatch()
    {
        return std::make_unique<DisplaySleepHoldWatch>(system.connect(QStringLiteral("tested")),
                                                       session.connect(QStringLiteral("tested")));
    }

    // The answer of the read a new watch starts with.
    std::optional<QList<DisplaySleepHold>> holds()
    {
        const auto watch = makeWatch();
        QSignalSpy read(watch.get(), &DisplaySleepHoldWatch::readFinished);
        EXPECT_TRUE(read.wait(30000));
        return watch->holds();
    }

    MockBus system;
    MockBus session;
};

} // namespace

TEST_F(DisplaySleepHoldersTest, LogindIdleInhibitorsWithTheirPids)
{
    startLogind(QStringLiteral("[('idle', 'player', 'video', 'block', 1000, 11),"
                               " ('sleep:idle', 'viewer', 'slides', 'block', 1000, 12),"
                               " ('sleep', 'updater', 'saving', 'delay', 1000, 13),"
                               " ('handle-lid-switch', 'desktop', 'docked', 'block', 1000, 14),"
                               " ('idle', 'twice', 'same process', 'block', 1000, 11)]"));
    EXPECT_EQ(holds(), (QList<DisplaySleepHold>{hold(11), hold(12)}));
}

TEST_F(DisplaySleepHoldersTest, LogindListInAnotherShapeIsSkipped)
{
    ASSERT_NE(system.startMock({login1, loginPath, manager}, login1), 0);
    system.addMethod(login1, loginPath, manager, QStringLiteral("ListInhibitors"), QString(), QStringLiteral("as"),
                     QStringLiteral("ret = ['idle']"));
    EXPECT_EQ(holds(), QList<DisplaySleepHold>());
}

TEST_F(DisplaySleepHoldersTest, PlayingMediaPlayerAloneHoldsNothing)
{
    // Music plays the same way: only the inhibitor a video takes holds the display.
    ASSERT_NE(startPlayer(QStringLiteral("org.mpris.MediaPlayer2.music"), QStringLiteral("Playing")), 0);
    startLogind(QStringLiteral("[]"));
    EXPECT_EQ(holds(), QList<DisplaySleepHold>());
}

TEST_F(DisplaySleepHoldersTest, GnomeIdleInhibitorsReachTheirApplication)
{
    // A GApplication's id is its bus name, which leads to its process; other ids cannot be traced.
    const QString app = QStringLiteral("org.example.Viewer");
    const qint64 appPid = session.startMock({app, QStringLiteral("/org/example/Viewer"), app}, app);
    ASSERT_NE(appPid, 0);
    startGnome(QStringLiteral("[(1, 8, 'org.example.Viewer'), (2, 4, 'org.example.Viewer'), (3, 12, 'Firefox'),"
                              " (4, 8, 'org.example.NotRunning')]"));
    EXPECT_EQ(holds(), (QList<DisplaySleepHold>{hold(0), hold(appPid)}));
}

TEST_F(DisplaySleepHoldersTest, KdeInhibitionIsAHoldWithoutProcess)
{
    const QString kde = QStringLiteral("org.freedesktop.PowerManagement");
    const QString path = QStringLiteral("/org/freedesktop/PowerManagement/Inhibit");
    const QString interface = QStringLiteral("org.freedesktop.PowerManagement.Inhibit");
    ASSERT_NE(session.startMock({kde, path, interface}, kde), 0);
    session.addMethod(kde, path, interface, QStringLiteral("HasInhibit"), QString(), QStringLiteral("b"),
                      QStringLiteral("ret = True"));
    EXPECT_EQ(holds(), QList<DisplaySleepHold>{hold(0)});
}

TEST_F(DisplaySleepHoldersTest, HungSourceLeavesTheOthersAnswer)
{
    startLogind(QStringLiteral("[('idle', 'player', 'video', 'block', 1000, 11)]"));
    ASSERT_NE(session.startMock({gnomeSession, gnomePath, gnomeSession}, gnomeSession), 0);
    session.addMethod(gnomeSession, gnomePath, gnomeSession, QStringLiteral("GetInhibitors"), QString(),
                      QStringLiteral("ao"), QStringLiteral("time.sleep(3); ret = []"));
    EXPECT_EQ(holds(), QList<DisplaySleepHold>{hold(11)});
}

TEST_F(DisplaySleepHoldersTest, SampleGetsTheLastAnswerAndTheNextOneSeesTheChange)
{
    startLogind(QStringLiteral("[('idle', 'player', 'video', 'block', 1000, 11)]"));
    LinuxSessionState state(system.connect(QStringLiteral("tested")), session.connect(QStringLiteral("tested")),
                            nullptr, nullptr);
    const QList<DisplaySleepHold> first{hold(11)};
    ASSERT_TRUE(waitUntil([&] { return state.displaySleepHolds() == first; }, 10000));
    listLogindInhibitors(QStringLiteral("[('idle', 'player', 'video', 'block', 1000, 12)]"));
    // No event is handled between the change and this sample, so an answer that waited on the bus
    // would already show it.
    EXPECT_EQ(state.displaySleepHolds(), first);
    const QList<DisplaySleepHold> second{hold(12)};
    EXPECT_TRUE(waitUntil([&] { return state.displaySleepHolds() == second; }, 10000));
}

TEST_F(DisplaySleepHoldersTest, AnnouncedChangesAreReadWithoutBeingAsked)
{
    const QString kde = QStringLiteral("org.freedesktop.PowerManagement");
    const QString kdePath = QStringLiteral("/org/freedesktop/PowerManagement/Inhibit");
    const QString kdeInterface = QStringLiteral("org.freedesktop.PowerManagement.Inhibit");
    startGnome(QStringLiteral("[(1, 8, 'Firefox')]"));
    listGnomeInhibitors(QStringLiteral("[]"));
    ASSERT_NE(session.startMock({kde, kdePath, kdeInterface}, kde), 0);
    session.addMethod(kde, kdePath, kdeInterface, QStringLiteral("HasInhibit"), QString(), QStringLiteral("b"),
                      QStringLiteral("ret = False"));
    const auto watch = makeWatch();
    QSignalSpy read(watch.get(), &DisplaySleepHoldWatch::readFinished);
    ASSERT_TRUE(read.wait(30000));
    ASSERT_EQ(watch->holds(), QList<DisplaySleepHold>());

    struct Row
    {
        const char* name;
        std::function<void()> announce;
        QList<DisplaySleepHold> expected;
    };
    const Row rows[] = {
        {"GNOME inhibitor added",
         [&] {
             listGnomeInhibitors(QStringLiteral("[1]"));
             session.emitSignal(gnomeSession, gnomePath, gnomeSession, QStringLiteral("InhibitorAdded"),
                                QStringLiteral("o"), {QVariant::fromValue(QDBusObjectPath(gnomePath + "/Inhibitor1"))});
         },
         {hold(0)}},
        {"GNOME inhibitor removed",
         [&] {
             listGnomeInhibitors(QStringLiteral("[]"));
             session.emitSignal(gnomeSession, gnomePath, gnomeSession, QStringLiteral("InhibitorRemoved"),
                                QStringLiteral("o"), {QVariant::fromValue(QDBusObjectPath(gnomePath + "/Inhibitor1"))});
         },
         {}},
        {"KDE inhibition changed",
         [&] {
             session.addMethod(kde, kdePath, kdeInterface, QStringLiteral("HasInhibit"), QString(), QStringLiteral("b"),
                               QStringLiteral("ret = True"));
             session.emitSignal(kde, kdePath, kdeInterface, QStringLiteral("HasInhibitChanged"), QStringLiteral("b"),
                                {true});
         },
         {hold(0)}},
    };
    for (const Row& row : rows) {
        row.announce();
        EXPECT_TRUE(waitUntil([&] { return watch->holds() == row.expected; }, 10000)) << row.name;
    }
}
