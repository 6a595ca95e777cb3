// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What an idle sample costs the recorder's thread: once the idle limit has passed, the sample asks who
// holds the display awake. The desktop here is python-dbusmock on private buses: logind and the GNOME
// session manager each list one video hold. Answers that arrive between samples are handled outside
// the timing, as the event loop does between two-second samples.
#include "Activity.h"
#include "LinuxSessionState.h"
#include "MockBus.h"
#include "Workspace.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

const QString login1 = QStringLiteral("org.freedesktop.login1");
const QString gnomeSession = QStringLiteral("org.gnome.SessionManager");
const QString gnomePath = QStringLiteral("/org/gnome/SessionManager");

bool addMethod(MockBus& bus, const QString& service, const QString& path, const QString& interface, const QString& name,
               const QString& out, const QString& code)
{
    return bus.mock(service, path, QStringLiteral("AddMethod"), {interface, name, QString(), out, code}).type() ==
           QDBusMessage::ReplyMessage;
}

bool startDesktop(MockBus& system, MockBus& session)
{
    const QString manager = QStringLiteral("org.freedesktop.login1.Manager");
    const QString loginPath = QStringLiteral("/org/freedesktop/login1");
    return system.startMock({login1, loginPath, manager}, login1) != 0 &&
           addMethod(system, login1, loginPath, manager, QStringLiteral("ListInhibitors"), QStringLiteral("a(ssssuu)"),
                     QStringLiteral("ret = [('idle', 'player', 'video', 'block', 1000, 11)]")) &&
           session.startMock({gnomeSession, gnomePath, gnomeSession}, gnomeSession) != 0 &&
           addMethod(
               session, gnomeSession, gnomePath, gnomeSession, QStringLiteral("Setup"), QString(),
               QStringLiteral("self.AddObject('/org/gnome/SessionManager/Inhibitor1',"
                              " 'org.gnome.SessionManager.Inhibitor', {},"
                              " [('GetFlags', '', 'u', 'ret = 8'), ('GetAppId', '', 's', 'ret = \\'Firefox\\'')])")) &&
           session.call(gnomeSession, gnomePath, gnomeSession, QStringLiteral("Setup")).type() ==
               QDBusMessage::ReplyMessage &&
           addMethod(session, gnomeSession, gnomePath, gnomeSession, QStringLiteral("GetInhibitors"),
                     QStringLiteral("ao"), QStringLiteral("ret = ['/org/gnome/SessionManager/Inhibitor1']"));
}

void IdleSample(benchmark::State& state)
{
    if (!MockBus::toolsAvailable()) {
        state.SkipWithError("dbus-daemon or python3-dbusmock missing");
        return;
    }
    MockBus system;
    MockBus session;
    if (!startDesktop(system, session)) {
        state.SkipWithError("the mock desktop did not start");
        return;
    }
    LinuxSessionState sessionState(
        system.connect(QStringLiteral("bench")), session.connect(QStringLiteral("bench")), [] { return 3600.0; },
        nullptr);
    const RunningApp front{QStringLiteral("mpv"), QStringLiteral("mpv"), 11};
    for (auto _ : state) {
        benchmark::DoNotOptimize(Activity::userIsPresent(front, sessionState, 2));
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(IdleSample)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
