// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the user waits for when opening the settings window: the view built, shown and painted once, with
// a few dozen items not tracked and a full week of backup copies to list.
#include "AppIcons.h"
#include "Backup.h"
#include "BackupController.h"
#include "BenchSupport.h"
#include "FakePlatform.h"
#include "GreyAppIcons.h"
#include "Icons.h"
#include "LoginItem.h"
#include "NoFavicons.h"
#include "Settings.h"
#include "SettingsView.h"
#include "Store.h"
#include "Tracker.h"
#include "UpdateChecker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QThreadPool>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <vector>

namespace {

class StillLoginItem final : public LoginItem
{
public:
    bool isEnabled() const override { return true; }
    std::optional<QString> enable() override { return std::nullopt; }
    std::optional<QString> disable() override { return std::nullopt; }
};

// The models of a running program: 30 excluded items, seven backup copies in the backup folder.
struct Models
{
    Models()
    {
        for (int i = 0; i < 30; ++i) {
            const ItemKey key{i % 3 ? ItemKind::app : ItemKind::site, QStringLiteral("item%1.example").arg(i)};
            tracker.exclude(UsageItem{key, QStringLiteral("Item number %1").arg(i), 60});
        }
        settings.setBackupFolder(fake.places.syncFolder());
        settings.setComputerId(QStringLiteral("this-computer"));
        const QString folder = fake.places.syncFolder() + QStringLiteral("/Horavane/this-computer");
        QDir().mkpath(folder);
        for (int day = 1; day <= 7; ++day) {
            QFile copy(folder + QStringLiteral("/Horavane 2025-03-%1.sqlite").arg(day, 2, 10, QLatin1Char('0')));
            if (!copy.open(QIODevice::WriteOnly))
                std::abort(); // the copies are what is measured
        }
        settings.setDailyBackup(true);
        settings.setLastBackup(1741000000);
    }

    FakePlatform fake;
    Settings settings{scratch().filePath(QStringLiteral("Horavane-%1.conf").arg(rand()))};
    GreyAppIcons appIcons;
    Icons icons{appIcons, noFavicons(scratch().filePath(QStringLiteral("Favicons")))};
    UpdateChecker updates{QUrl(QStringLiteral("http://127.0.0.1:9/version.json")), QStringLiteral("1.0"),
                          std::chrono::milliseconds(500)};
    Backup backup{settings, fake.places, fake.clock};
    StillLoginItem loginItem;
    Tracker tracker{Tracker::Sampling::whenTold, fake.platform(), settings,
                    Store::open(scratch().filePath(QStringLiteral("usage-%1.sqlite").arg(rand())))};
    BackupController backupController{tracker, settings, backup, fake.places};
};

// From nothing to the first painted frame of the tab last shown (0: General, 1: Data).
void OpenSettings(benchmark::State& state)
{
    Models models;
    models.settings.setSettingsTab(state.range(0) == 1 ? QStringLiteral("data") : QStringLiteral("general"));
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        {
            SettingsView view(models.tracker, models.icons, models.settings, models.updates, models.backupController,
                              models.loginItem, models.fake.places);
            view.resize(view.sizeHint());
            view.show();
            const QPixmap frame = view.grab();
            benchmark::DoNotOptimize(frame.cacheKey());
        }
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        // Lets the closed window go and the copy listing finish, as the event loop would.
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }
    reportMedianMilliseconds(state, micros);
}

} // namespace

BENCHMARK(OpenSettings)->ArgName("tab")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(40);
