// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What one two-second sample costs on Wayland. Run it inside tests/e2e/with-wayland-session.sh (sway, kwin, or
// gnome with Horavane's extension loaded), which provides a compositor and lets the program put a window of its
// own in front; without one the sample is skipped.
#include "GnomeShellWorkspace.h"
#include "KWinWorkspace.h"
#include "MutterIdle.h"
#include "WaylandConnection.h"
#include "WaylandIdle.h"
#include "WlrootsWorkspace.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

WaylandConnection* connection = nullptr;
Workspace* workspace = nullptr;
IdleSource* idle = nullptr;

// The sample with the front window unchanged: front application and idle time, both kept from events.
void WaylandSample(benchmark::State& state)
{
    if (!workspace || !idle) {
        state.SkipWithError("no Wayland compositor with a window list and idle notifications");
        return;
    }
    if (!workspace->frontmostApplication())
        state.SetLabel("no window in front");
    const quint64 before = connection->roundTrips();
    for (auto _ : state) {
        benchmark::DoNotOptimize(workspace->frontmostApplication());
        benchmark::DoNotOptimize(idle->secondsSinceLastInput());
    }
    state.counters["round_trips"] =
        benchmark::Counter(double(connection->roundTrips() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(WaylandSample)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    const std::unique_ptr<WaylandConnection> connected = WaylandConnection::connect();
    std::unique_ptr<LinuxWorkspace> chosen;
    std::unique_ptr<IdleSource> idleSource;
    QProcess front;
    if (connected) {
        connection = connected.get();
        QString whyNot;
        const QDBusConnection bus = QDBusConnection::sessionBus();
        chosen = KWinWorkspace::create(bus, &whyNot);
        if (!chosen)
            chosen = GnomeShellWorkspace::create(bus, &whyNot);
        if (!chosen)
            chosen = WlrootsWorkspace::create(*connection, &whyNot);
        workspace = chosen.get();
        idleSource = WaylandIdle::create(*connection);
        if (!idleSource)
            idleSource = MutterIdle::create(bus);
        idle = idleSource.get();
        if (idle)
            idle->setLimit(2 * 60 * 1000);
    }
    // Only inside the throw-away session: never open windows on the user's own desktop.
    if (workspace && qEnvironmentVariableIsSet("HORAVANE_WAYLAND_SESSION")) {
        front.start(QStringLiteral("weston-terminal"), {});
        QEventLoop wait;
        QObject::connect(workspace, &Workspace::applicationActivated, &wait, &QEventLoop::quit);
        QTimer::singleShot(30000, &wait, &QEventLoop::quit); // a guard only: the window normally comes first
        if (!workspace->frontmostApplication())
            wait.exec();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    front.kill();
    front.waitForFinished(3000);
    return 0;
}
