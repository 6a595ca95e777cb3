// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What one two-second sample costs on X11. Run it inside tests/e2e/with-x11-session.sh, which provides a
// display and lets the program put a window of its own in front; without a display the sample is skipped.
#include "DesktopEntries.h"
#include "X11Idle.h"
#include "X11Workspace.h"

#include <QCoreApplication>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

X11Workspace* workspace = nullptr;
X11Idle* idle = nullptr;

// The sample with the front window unchanged: front application, idle time and display state.
void X11Sample(benchmark::State& state)
{
    if (!workspace || !idle) {
        state.SkipWithError("no X display");
        return;
    }
    // The first look at a window describes it; later ones reuse that.
    if (!workspace->frontmostApplication())
        state.SetLabel("no window in front");
    const quint64 before = workspace->roundTrips() + idle->roundTrips();
    for (auto _ : state) {
        benchmark::DoNotOptimize(workspace->frontmostApplication());
        benchmark::DoNotOptimize(idle->secondsSinceLastInput());
        benchmark::DoNotOptimize(idle->displayIsAsleep());
    }
    state.counters["round_trips"] = benchmark::Counter(double(workspace->roundTrips() + idle->roundTrips() - before),
                                                       benchmark::Counter::kAvgIterations);
}
BENCHMARK(X11Sample)->Unit(benchmark::kMicrosecond);

// Indexing the installed desktop entries, paid once, at the first window to describe.
void DesktopIndex(benchmark::State& state)
{
    const QStringList folders = DesktopEntries::standardFolders();
    const NameLocale locale = NameLocale::fromEnvironment();
    for (auto _ : state)
        benchmark::DoNotOptimize(DesktopEntries::load(folders, locale).size());
}
BENCHMARK(DesktopIndex)->Unit(benchmark::kMicrosecond);

QString xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    QString whyNot;
    const std::unique_ptr<X11Workspace> connected = X11Workspace::create(&whyNot);
    workspace = connected.get();
    const std::unique_ptr<X11Idle> idleSource = X11Idle::create(&whyNot);
    idle = idleSource.get();
    if (idle)
        idle->setLimit(2 * 60 * 1000);

    // Only inside the throw-away session: never open windows on the user's own desktop.
    QProcess front;
    if (workspace && qEnvironmentVariableIsSet("HORAVANE_X11_SESSION")) {
        front.start(QStringLiteral("xcalc"), {});
        const QString window = xdotool({"search", "--sync", "--onlyvisible", "--class", "XCalc"});
        xdotool({"windowactivate", "--sync", window.section(u'\n', -1)});
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    front.kill();
    front.waitForFinished(3000);
    return 0;
}
