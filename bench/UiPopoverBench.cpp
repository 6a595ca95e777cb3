// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the user waits for when clicking the tray item: the popover built, shown and painted once, over a
// store holding a month of history; and what an open popover pays on each sample of the tracker.
#include "AppIcons.h"
#include "BenchSupport.h"
#include "FakePlatform.h"
#include "GreyAppIcons.h"
#include "Icons.h"
#include "NoFavicons.h"
#include "PopoverView.h"
#include "Settings.h"
#include "Store.h"
#include "Tracker.h"
#include "UpdateChecker.h"

#include <QCoreApplication>
#include <QPixmap>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

// Thirty days of sixty items each, today among them, as a month of real use looks.
std::unique_ptr<Store> monthOfHistory(const QDate& today)
{
    auto store = Store::open(scratch().filePath(QStringLiteral("month-%1.sqlite").arg(rand())));
    QList<UsageRow> rows;
    for (int day = 0; day < 30; ++day) {
        const QString key = today.addDays(-day).toString(Qt::ISODate);
        for (int i = 0; i < 60; ++i) {
            const ItemKey item{i % 3 ? ItemKind::app : ItemKind::site, QStringLiteral("item%1.example").arg(i)};
            rows.append(UsageRow{key, item, QStringLiteral("Item number %1").arg(i), 30.0 * (60 - i)});
        }
    }
    store->add(rows);
    return store;
}

// The models of a running program, shared by every popover as the application shares them.
struct Models
{
    FakePlatform fake;
    Settings settings{scratch().filePath(QStringLiteral("Horavane-%1.conf").arg(rand()))};
    GreyAppIcons appIcons;
    Icons icons{appIcons, noFavicons(scratch().filePath(QStringLiteral("Favicons")))};
    UpdateChecker updates{QUrl(QStringLiteral("http://127.0.0.1:9/version.json")), QStringLiteral("1.0"),
                          std::chrono::milliseconds(500)};
    Tracker tracker{Tracker::Sampling::whenTold, fake.platform(), settings, monthOfHistory(fake.clock.now().date())};
};

// From nothing to the first painted frame: build the view, show it, read today, paint it all.
void OpenPopover(benchmark::State& state)
{
    Models models;
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        {
            PopoverView popover(models.tracker, models.icons, models.settings, models.updates,
                                models.fake.accessibility);
            popover.show();
            popover.setShown(true);
            const QPixmap frame = popover.grab();
            benchmark::DoNotOptimize(frame.cacheKey());
        }
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        QCoreApplication::processEvents(); // lets the closed window go, as the event loop would
    }
    reportMedianMilliseconds(state, micros);
}

// An open popover hears of every sample; nearly always the summary still looks the same.
void RefreshUnchanged(benchmark::State& state)
{
    Models models;
    PopoverView popover(models.tracker, models.icons, models.settings, models.updates, models.fake.accessibility);
    popover.setShown(true);
    for (auto _ : state)
        popover.refresh();
}

} // namespace

BENCHMARK(OpenPopover)->Unit(benchmark::kMillisecond)->Iterations(60);
BENCHMARK(RefreshUnchanged)->Unit(benchmark::kMicrosecond);
