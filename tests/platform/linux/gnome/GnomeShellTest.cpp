// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GnomeGuide.h"
#include "GnomeShellWorkspace.h"
#include "MockBus.h"
#include "MutterIdle.h"

#include <QDBusArgument>
#include <gtest/gtest.h>

namespace {

const QString extension = QStringLiteral("app.corvani.Horavane.Shell");
const QString extensionMock = QStringLiteral("app.corvani.Horavane.ShellMock");
const QString extensionPath = QStringLiteral("/app/corvani/Horavane/Shell");
const QString extensionInterface = QStringLiteral("app.corvani.Horavane.Shell");
const QString mutter = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString mutterPath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");

// Fake services on a private bus: the shell extension and Mutter's idle monitor, as dbusmock plays them.
class GnomeShellTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!MockBus::toolsAvailable())
            GTEST_SKIP() << "dbus-daemon or python3-dbusmock missing";
        ASSERT_TRUE(bus.isRunning());
    }

    void addMethod(const QString& service, const QString& path, const QString& interface, const QString& name,
                   const QString& in, const QString& out, const QString& code)
    {
        const QDBusMessage reply =
            bus.mock(service, path, QStringLiteral("AddMethod"), {interface, name, in, out, code});
        ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    }

    void emitSignal(const QString& service, const QString& path, const QString& interface, const QString& name,
                    const QString& signature, const QVariantList& arguments)
    {
        const QDBusMessage reply =
            bus.mock(service, path, QStringLiteral("EmitSignal"), {interface, name, signature, arguments});
        ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    }

    // The extension, with an application in front and windows of two applications, one of them twice. Like the
    // real one, it takes its name only once its methods are there; the mock itself starts under another name.
    void startExtension(const QString& focus = QStringLiteral("ret = ('org.example.Alpha', '', 0)"))
    {
        ASSERT_NE(bus.startMock({extensionMock, extensionPath, extensionInterface}, extensionMock), 0);
        addMethod(extensionMock, extensionPath, extensionInterface, QStringLiteral("Focus"), QString(),
                  QStringLiteral("ssu"), focus);
        addMethod(extensionMock, extensionPath, extensionInterface, QStringLiteral("Windows"), QString(),
                  QStringLiteral("a(ssu)"),
                  QStringLiteral("ret = [('org.example.Alpha', '', 0), ('org.example.Beta', '', 0), "
                                 "('org.example.Alpha', '', 0)]"));
        addMethod(
            extensionMock, extensionPath, extensionInterface, QStringLiteral("TakeName"), QString(), QString(),
            QStringLiteral("self.extensionName = dbus.service.BusName('%1', self.bus_name.get_bus())").arg(extension));
        const QDBusMessage taken =
            bus.call(extensionMock, extensionPath, extensionInterface, QStringLiteral("TakeName"));
        ASSERT_EQ(taken.type(), QDBusMessage::ReplyMessage) << taken.errorMessage().toStdString();
        emitSignal(extension, extensionPath, extensionInterface, QStringLiteral("WindowsChanged"), QString(), {});
    }

    // The method names the idle monitor was called with, in order.
    QStringList mutterCalls()
    {
        QStringList names;
        const QDBusMessage reply = bus.mock(mutter, mutterPath, QStringLiteral("GetCalls"), {});
        const QDBusArgument calls = reply.arguments().value(0).value<QDBusArgument>();
        calls.beginArray();
        while (!calls.atEnd()) {
            quint64 time = 0;
            QString name;
            QVariantList arguments;
            calls.beginStructure();
            calls >> time >> name >> arguments;
            calls.endStructure();
            names.append(name);
        }
        calls.endArray();
        return names;
    }

    std::string calls() { return mutterCalls().join(u' ').toStdString(); }

    static QString front(const GnomeShellWorkspace& shell)
    {
        const std::optional<RunningApp> app = shell.frontmostApplication();
        return app ? app->desktopId : QStringLiteral("(none)");
    }

    MockBus bus;
};

} // namespace

TEST_F(GnomeShellTest, FollowsTheExtensionFromArrivalToDeparture)
{
    GnomeShellWorkspace shell(bus.connect(QStringLiteral("tested")));
    EXPECT_FALSE(shell.extensionAnswers());
    EXPECT_EQ(front(shell), QStringLiteral("(none)"));

    startExtension();
    ASSERT_TRUE(waitUntil([&] { return shell.extensionAnswers() && front(shell) == "org.example.Alpha"; }))
        << front(shell).toStdString();
    ASSERT_TRUE(waitUntil([&] { return shell.runningApplications().size() == 2; }));

    // A change comes as a signal: the sample that follows asks nobody.
    emitSignal(extension, extensionPath, extensionInterface, QStringLiteral("FocusChanged"), QStringLiteral("ssu"),
               {QStringLiteral("org.example.Beta"), QString(), QVariant::fromValue(0u)});
    ASSERT_TRUE(waitUntil([&] { return front(shell) == "org.example.Beta"; }));
    emitSignal(extension, extensionPath, extensionInterface, QStringLiteral("FocusChanged"), QStringLiteral("ssu"),
               {QString(), QString(), QVariant::fromValue(0u)});
    ASSERT_TRUE(waitUntil([&] { return front(shell) == "(none)"; }));

    bus.stopMock(extensionMock);
    ASSERT_TRUE(waitUntil([&] { return !shell.extensionAnswers(); }));
    EXPECT_TRUE(shell.runningApplications().isEmpty());
}

TEST_F(GnomeShellTest, IdleWatchesFollowTheLimitAndTheUser)
{
    ASSERT_NE(bus.startMock({mutter, mutterPath, mutter}, mutter), 0);
    addMethod(mutter, mutterPath, mutter, QStringLiteral("AddIdleWatch"), QStringLiteral("t"), QStringLiteral("u"),
              QStringLiteral("ret = 7"));
    addMethod(mutter, mutterPath, mutter, QStringLiteral("AddUserActiveWatch"), QString(), QStringLiteral("u"),
              QStringLiteral("ret = 8"));
    addMethod(mutter, mutterPath, mutter, QStringLiteral("RemoveWatch"), QStringLiteral("u"), QString(), QString());
    const auto idleTimeIs = [&](const char* milliseconds) {
        addMethod(mutter, mutterPath, mutter, QStringLiteral("GetIdletime"), QString(), QStringLiteral("t"),
                  QStringLiteral("ret = ") + QLatin1String(milliseconds));
    };
    const auto fire = [&](uint id) {
        emitSignal(mutter, mutterPath, mutter, QStringLiteral("WatchFired"), QStringLiteral("u"),
                   {QVariant::fromValue(id)});
    };
    idleTimeIs("90000");
    std::unique_ptr<MutterIdle> idle = MutterIdle::create(bus.connect(QStringLiteral("tested")));
    ASSERT_TRUE(idle);

    idle->setLimit(60000);
    ASSERT_TRUE(waitUntil([&] { return mutterCalls() == QStringList{"AddIdleWatch"}; })) << calls();
    EXPECT_EQ(idle->secondsSinceLastInput(), 0);

    fire(7);
    ASSERT_TRUE(waitUntil([&] { return mutterCalls().endsWith("GetIdletime"); })) << calls();
    ASSERT_TRUE(waitUntil([&] { return idle->secondsSinceLastInput() >= 60; })) << calls();
    fire(8);
    ASSERT_TRUE(waitUntil([&] { return idle->secondsSinceLastInput() == 0; })) << calls();

    // Input between the idle watch firing and the user-active watch being added fires nothing; the idle time,
    // asked once, tells that the user is back.
    idleTimeIs("500");
    fire(7);
    ASSERT_TRUE(waitUntil([&] { return mutterCalls().endsWith("RemoveWatch") && idle->secondsSinceLastInput() == 0; }))
        << calls();

    idle->setLimit(120000); // a new limit replaces the watch
    ASSERT_TRUE(waitUntil([&] {
        return mutterCalls() == QStringList{"AddIdleWatch", "AddUserActiveWatch", "GetIdletime", "AddUserActiveWatch",
                                            "GetIdletime",  "RemoveWatch",        "RemoveWatch", "AddIdleWatch"};
    })) << calls();
}

// Qt may hand over a signal before a reply sent ahead of it; the fake sends them the other way round.
TEST_F(GnomeShellTest, AFocusAnswerNeverOverridesANewerSignal)
{
    GnomeShellWorkspace shell(bus.connect(QStringLiteral("tested")));
    startExtension(QStringLiteral("self.EmitSignal('%1', 'FocusChanged', 'ssu', ['org.example.Beta', '', 0]); "
                                  "ret = ('org.example.Alpha', '', 0)")
                       .arg(extensionInterface));
    ASSERT_TRUE(waitUntil([&] { return shell.runningApplications().size() == 2; })); // asked after the focus
    EXPECT_EQ(front(shell), QStringLiteral("org.example.Beta"));
}

// The monitor answers a call before the watch fires, but Qt may hand the signal over first.
TEST_F(GnomeShellTest, AWatchThatFiresBeforeItsIdArrivesStillCounts)
{
    ASSERT_NE(bus.startMock({mutter, mutterPath, mutter}, mutter), 0);
    const auto addWatch = [&](const char* method, const char* in, uint id, bool firesAtOnce) {
        const QString fire = QStringLiteral("self.EmitSignal('%1', 'WatchFired', 'u', [dbus.UInt32(%2)]); ");
        addMethod(mutter, mutterPath, mutter, QLatin1String(method), QLatin1String(in), QStringLiteral("u"),
                  (firesAtOnce ? fire.arg(mutter).arg(id) : QString()) + QStringLiteral("ret = %1").arg(id));
    };
    addWatch("AddIdleWatch", "t", 7, true);
    addWatch("AddUserActiveWatch", "", 8, false);
    addMethod(mutter, mutterPath, mutter, QStringLiteral("GetIdletime"), QString(), QStringLiteral("t"),
              QStringLiteral("ret = 90000"));
    std::unique_ptr<MutterIdle> idle = MutterIdle::create(bus.connect(QStringLiteral("tested")));
    ASSERT_TRUE(idle);
    idle->setLimit(60000);
    ASSERT_TRUE(waitUntil([&] { return idle->secondsSinceLastInput() >= 60; })) << calls();

    addWatch("AddUserActiveWatch", "", 9, true);
    emitSignal(mutter, mutterPath, mutter, QStringLiteral("WatchFired"), QStringLiteral("u"),
               {QVariant::fromValue(8u)});
    ASSERT_TRUE(waitUntil([&] { return idle->secondsSinceLastInput() == 0; })) << calls();
    emitSignal(mutter, mutterPath, mutter, QStringLiteral("WatchFired"), QStringLiteral("u"),
               {QVariant::fromValue(7u)});
    ASSERT_TRUE(waitUntil([&] {
        return mutterCalls().endsWith("GetIdletime") && mutterCalls().count("GetIdletime") == 2;
    })) << calls();
    EXPECT_EQ(idle->secondsSinceLastInput(), 0) << "the user-active watch fired before its id arrived";
}

TEST(GnomeGuideTest, SaysWhatTheShellMakesOfTheExtensionWithTheOneActionThatHelps)
{
    using GnomeExtension::State;
    const QString none;
    struct Row
    {
        GnomeExtension::Status status;
        QString says;
        QString button;
    };
    const Row rows[] = {
        {{State::notInstalled, 43, none}, "log out and back in", "Enable Extension…"},
        {{State::notInstalled, 0, none}, "log out and back in", "Enable Extension…"},
        {{State::needsLogIn, 48, none}, "log out and back in, and recording starts", none},
        {{State::turnedOff, 51, none}, "turned off", "Turn On Extension"},
        {{State::outOfDate, 51, none}, "out of date", "Update Extension"},
        {{State::failed, 45, "SyntaxError: bad token"}, "(SyntaxError: bad token)", none},
        {{State::failed, 45, none}, "(no reason given)", none},
        {{State::running, 48, none}, none, none},
        {{State::notInstalled, 52, none}, "runs on GNOME 43 to 51, and this is GNOME 52", none},
        {{State::outOfDate, 42, none}, "this is GNOME 42", none},
        {{State::running, 52, none}, none, none}, // the shell's version check switched off
    };
    for (const Row& row : rows) {
        const GnomeGuide::Notice notice = GnomeGuide::noticeFor(row.status);
        SCOPED_TRACE(notice.text.toStdString());
        EXPECT_EQ(notice.text.isEmpty(), row.says.isEmpty());
        EXPECT_TRUE(notice.text.contains(row.says));
        EXPECT_EQ(notice.button, row.button);
    }
}

TEST_F(GnomeShellTest, GuideFollowsTheShellAsksBeforeInstallingAndStepsAsideWhenTheExtensionAnswers)
{
    const QString gnomeShell = QStringLiteral("org.gnome.Shell");
    const QString shellPath = QStringLiteral("/org/gnome/Shell");
    const QString extensions = QStringLiteral("org.gnome.Shell.Extensions");
    ASSERT_NE(bus.startMock({gnomeShell, shellPath, extensions}, gnomeShell), 0);
    const QDBusConnection tested = bus.connect(QStringLiteral("tested"));
    GnomeShellWorkspace shell(tested);
    GnomeExtension::Status status{GnomeExtension::State::notInstalled, 48, QString()};
    bool agrees = false;
    GnomeExtension::Enabled outcome{QStringLiteral("cannot write the folder"), false};
    int enabled = 0;
    QStringList told;
    GnomeGuide guide(
        shell, tested, [&] { return status; },
        [&] {
            ++enabled;
            return outcome;
        },
        [&](const QString&) { return agrees; }, [&](const QString& message) { told.append(message); });
    const auto button = [&] { return guide.notice().button; };
    EXPECT_EQ(button(), QStringLiteral("Enable Extension…"));

    guide.enableRequested(); // declined: nothing is done
    EXPECT_EQ(enabled, 0);
    agrees = true;
    guide.enableRequested(); // failed: said, and still offered
    EXPECT_EQ(enabled, 1);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].endsWith(QStringLiteral("cannot write the folder"))) << told[0].toStdString();
    EXPECT_EQ(button(), QStringLiteral("Enable Extension…"));

    // An update of an out-of-date copy: asks nothing, and waits for the log-in although the shell still
    // reports the copy it loaded.
    status.state = GnomeExtension::State::outOfDate;
    emitSignal(gnomeShell, shellPath, extensions, QStringLiteral("ExtensionStateChanged"), QStringLiteral("sa{sv}"),
               {GnomeExtension::uuid, QVariantMap()});
    ASSERT_TRUE(waitUntil([&] { return button() == QStringLiteral("Update Extension"); }));
    agrees = false;
    outcome = {std::nullopt, true};
    guide.enableRequested();
    EXPECT_EQ(enabled, 2);
    EXPECT_EQ(guide.notice(), GnomeGuide::noticeFor({GnomeExtension::State::needsLogIn, 0, QString()}));

    startExtension();
    ASSERT_TRUE(waitUntil([&] { return guide.notice() == GnomeGuide::Notice{}; }));
}
