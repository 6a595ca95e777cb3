// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the user pays for recording: one sample, one write of pending seconds, and a month's
// summary over years of history.
#include "BenchSupport.h"
#include "FakeNotifier.h"
#include "FakePlatform.h"
#include "LimitWatch.h"
#include "Settings.h"
#include "Tracker.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>

namespace {

Settings& settings()
{
    static Settings instance(scratch().filePath("Horavane.conf"));
    return instance;
}

RunningApp appNumber(int i)
{
    return app(QStringLiteral("org.example.App%1").arg(i), QStringLiteral("App %1").arg(i), 1000 + i);
}

// Per-sample times, so the median shows the ordinary sample and not the rare one that writes.
void reportMedian(benchmark::State& state, std::vector<double>& micros)
{
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
}

// With limits, ten items have one (the app in front among them) and the watch adds each sample's seconds.
void Tick(benchmark::State& state, bool withStore, bool withLimits = false)
{
    FakePlatform fake;
    fake.workspace.setFront(appNumber(1));
    auto store = withStore ? Store::open(scratch().filePath(QStringLiteral("tick-%1.sqlite").arg(rand()))) : nullptr;
    QTemporaryDir limitsDir;
    Settings limitSettings(limitsDir.filePath("Horavane.conf"));
    for (int i = 0; withLimits && i < 10; ++i)
        limitSettings.setDailyLimit({rawValue(ItemKind::app), appNumber(i).desktopId, 12 * 60});
    Tracker tracker(Tracker::Sampling::whenTold, fake.platform(), withLimits ? limitSettings : settings(),
                    std::move(store));
    FakeNotifier notifier;
    std::optional<LimitWatch> watch;
    if (withLimits)
        watch.emplace(tracker, limitSettings, notifier);
    std::vector<double> micros;
    micros.reserve(1 << 20);
    for (auto _ : state) {
        fake.clock.advance(2);
        const auto start = std::chrono::steady_clock::now();
        tracker.tick();
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    reportMedian(state, micros);
}

void TickInMemory(benchmark::State& state) { Tick(state, false); }
void TickWithStore(benchmark::State& state) { Tick(state, true); }
void TickWithLimits(benchmark::State& state) { Tick(state, false, true); }

// Writes 200 pending entries (200 apps used in the last minute) into a real file.
void Flush(benchmark::State& state)
{
    FakePlatform fake;
    Tracker tracker(Tracker::Sampling::whenTold, fake.platform(), settings(),
                    Store::open(scratch().filePath("flush.sqlite")));
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 200; ++i) {
            fake.workspace.setFront(appNumber(i));
            fake.clock.advance(0.1);
            tracker.tick();
        }
        state.ResumeTiming();
        tracker.flush();
    }
}

// A store holding `years` of history: every day 60 items.
QString historyOf(int years)
{
    static std::map<int, QString> built;
    if (const auto it = built.find(years); it != built.end())
        return it->second;
    const QString path = scratch().filePath(QStringLiteral("history-%1.sqlite").arg(years));
    auto store = Store::open(path);
    const QDate last(2025, 3, 5);
    QList<UsageRow> rows;
    for (int day = 0; day < years * 365; ++day) {
        const QString key = last.addDays(-day).toString(Qt::ISODate);
        for (int i = 0; i < 60; ++i) {
            const ItemKey item{i % 3 ? ItemKind::app : ItemKind::site, QStringLiteral("item%1.example").arg(i)};
            rows.append(UsageRow{key, item, item.id, 60.0 * (i + 1)});
        }
    }
    store->add(rows);
    return built[years] = path;
}

void Month(benchmark::State& state, bool merged)
{
    FakePlatform fake;
    Tracker tracker(Tracker::Sampling::whenTold, fake.platform(), settings(),
                    Store::open(historyOf(static_cast<int>(state.range(0)))));
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (merged)
            benchmark::DoNotOptimize(tracker.summary(Period::month));
        else
            benchmark::DoNotOptimize(tracker.days(Period::month));
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    reportMedian(state, micros);
}

void MonthSummary(benchmark::State& state) { Month(state, true); }
void MonthDays(benchmark::State& state) { Month(state, false); }

} // namespace

BENCHMARK(TickInMemory);
BENCHMARK(TickWithStore);
BENCHMARK(TickWithLimits);
BENCHMARK(Flush)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthSummary)->Arg(1)->Arg(2)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthDays)->Arg(1)->Arg(2)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
