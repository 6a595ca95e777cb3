// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GnomeGuide.h"
#include "GnomeShellWorkspace.h"
#include "MockBus.h"

#include <gtest/gtest.h>

namespace {

const QString extension = QStringLiteral("app.corvani.Horavane.Shell");
const QString extensionMock = QStringLiteral("app.corvani.Horavane.ShellMock");
const QString extensionPath = QStringLiteral("/app/corvani/Horavane/Shell");
const QString extensionInterface = QStringLiteral("app.corvani.Horavane.Shell");

// The shell extension on a private bus, as dbusmock plays it.
class GnomeShellTest : public MockBusTest
{
protected:
    // The extension, with an application in front and windows of two applications, one of them twice. Like the
    // real one, it takes its name only once its methods are there; the mock itself starts under another name.
    void startExtension(const QString& focus = QStringLiteral("ret = ('org.example.Alpha', '', 0)"))
    {
        ASSERT_NE(bus.startMock({extensionMock, extensionPath, extensionInterface}, extensionMock), 0);
        bus.addMethod(extensionMock, extensionPath, extensionInterface, QStringLiteral("Focus"), QString(),
                      QStringLiteral("ssu"), focus);
        bus.addMethod(extensionMock, extensionPath, extensionInterface, QStringLiteral("Windows"), QString(),
                      QStringLiteral("a(ssu)"),
                      QStringLiteral("ret = [('org.example.Alpha', '', 0), ('org.example.Beta', '', 0), "
                                     "('org.example.Alpha', '', 0)]"));
        bus.addMethod(
            extensionMock, extensionPath, extensionInterface, QStringLiteral("TakeName"), QString(), QString(),
            QStringLiteral("self.extensionName = dbus.service.BusName('%1', self.bus_name.get_bus())").arg(extension));
        const QDBusMessage taken =
            bus.call(extensionMock, extensionPath, extensionInterface, QStringLiteral("TakeName"));
        ASSERT_EQ(taken.type(), QDBusMessage::ReplyMessage) << taken.errorMessage().toStdString();
        bus.emitSignal(extension, extensionPath, extensionInterface, QStringLiteral("WindowsChanged"), QString(), {});
    }

    static QString front(const GnomeShellWorkspace& shell)
    {
        const std::optional<RunningApp> app = shell.frontmostApplication();
        return app ? app->desktopId : QStringLiteral("(none)");
    }
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
    bus.emitSignal(extension, extensionPath, extensionInterface, QStringLiteral("FocusChanged"), QStringLiteral("ssu"),
                   {QStringLiteral("org.example.Beta"), QString(), QVariant::fromValue(0u)});
    ASSERT_TRUE(waitUntil([&] { return front(shell) == "org.example.Beta"; }));
    bus.emitSignal(extension, extensionPath, extensionInterface, QStringLiteral("FocusChanged"), QStringLiteral("ssu"),
                   {QString(), QString(), QVariant::fromValue(0u)});
    ASSERT_TRUE(waitUntil([&] { return front(shell) == "(none)"; }));

    bus.stopMock(extensionMock);
    ASSERT_TRUE(waitUntil([&] { return !shell.extensionAnswers(); }));
    EXPECT_TRUE(shell.runningApplications().isEmpty());
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
    bus.emitSignal(gnomeShell, shellPath, extensions, QStringLiteral("ExtensionStateChanged"), QStringLiteral("sa{sv}"),
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
