// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the user pays for export and backup over a long history: reading every row and turning
// it into CSV text, and the database copy a backup makes on the main thread.
#include "BackupComputers.h"
#include "BackupFolder.h"
#include "BenchSupport.h"
#include "CSV.h"
#include "Commands.h"
#include "FakeClock.h"
#include "Settings.h"
#include "Store.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <map>

namespace {

constexpr int itemsPerDay = 60;

// A store holding `years` years of history, 60 items a day, made once per size.
Store& history(int years)
{
    static std::map<int, std::unique_ptr<Store>> stores;
    std::unique_ptr<Store>& store = stores[years];
    if (store)
        return *store;
    store = Store::open(scratch().filePath(QStringLiteral("history-%1.sqlite").arg(years)));
    QList<UsageRow> rows;
    const int days = years * 365;
    rows.reserve(static_cast<qsizetype>(days) * itemsPerDay);
    for (int d = 0; d < days; ++d) {
        const QString day = QDate(2015, 1, 1).addDays(d).toString(Qt::ISODate);
        for (int i = 0; i < itemsPerDay; ++i) {
            const bool site = i % 3 == 0;
            const ItemKey key{site ? ItemKind::site : ItemKind::app,
                              site ? QStringLiteral("www.site%1.example.com").arg(i)
                                   : QStringLiteral("org.example.Application%1").arg(i)};
            const QString name =
                i % 10 == 0 ? QStringLiteral("Studio, \"Pro\" %1").arg(i) : QStringLiteral("App %1").arg(i);
            rows.append(UsageRow{day, key, name, 3600.0 / (i + 1) + 0.25 * (d % 7)});
        }
    }
    store->add(rows);
    return *store;
}

void ExportAllRows(benchmark::State& state)
{
    Store& store = history(static_cast<int>(state.range(0)));
    qsizetype rows = 0;
    for (auto _ : state) {
        const QList<UsageRow> all = store.allRows();
        const QByteArray text = CSV::exportRows(all).toUtf8();
        benchmark::DoNotOptimize(text.constData());
        rows = all.size();
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(ExportAllRows)->ArgName("years")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void ExportTextOnly(benchmark::State& state)
{
    const QList<UsageRow> all = history(static_cast<int>(state.range(0))).allRows();
    for (auto _ : state) {
        const QString text = CSV::exportRows(all);
        benchmark::DoNotOptimize(text.constData());
    }
    state.counters["rows"] = static_cast<double>(all.size());
}
BENCHMARK(ExportTextOnly)->ArgName("years")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// What --export-csv and "Save as CSV…" do: rows read and written in pieces, none held.
void ExportStreaming(benchmark::State& state)
{
    Store& store = history(static_cast<int>(state.range(0)));
    QFile sink(QStringLiteral("/dev/null"));
    if (!sink.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot open /dev/null");
        return;
    }
    for (auto _ : state) {
        bool failed = CSV::write(&store, sink).has_value();
        benchmark::DoNotOptimize(failed);
    }
}
BENCHMARK(ExportStreaming)->ArgName("years")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// The copy statement of a backup, which holds the main thread while it runs.
void BackupCopy(benchmark::State& state)
{
    Store& store = history(static_cast<int>(state.range(0)));
    const QString copy = scratch().filePath(QStringLiteral("copy.sqlite"));
    const QByteArray statement = "VACUUM INTO '" + QFile::encodeName(copy) + "'";
    qint64 bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(copy);
        state.ResumeTiming();
        if (!store.execute(statement.constData()))
            state.SkipWithError("copy failed");
        state.PauseTiming();
        bytes = QFile(copy).size();
        state.ResumeTiming();
    }
    state.counters["MiB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BackupCopy)->ArgName("years")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// The background part: bringing the copy into the backup folder (here on the same file system).
void BackupPlace(benchmark::State& state)
{
    Store& store = history(static_cast<int>(state.range(0)));
    const QString root = scratch().filePath(QStringLiteral("backups"));
    QDir().mkpath(root);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString temp = scratch().filePath(QStringLiteral("temp-%1.sqlite").arg(++n));
        store.execute(QByteArray("VACUUM INTO '" + QFile::encodeName(temp) + "'").constData());
        state.ResumeTiming();
        if (BackupFolder::place(
                temp, QStringLiteral("Horavane 2025-03-05.sqlite"),
                BackupFolder::Destination{root, QStringLiteral("this-computer"), QStringLiteral("Desk")}))
            state.SkipWithError("place failed");
    }
}
BENCHMARK(BackupPlace)->ArgName("years")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// "--report month --all-computers" over three computers of ten years each: this computer's store
// and the newest copies of two others in a shared backup folder, read as the command reads them.
void ReportMonthAllComputers(benchmark::State& state)
{
    const int years = static_cast<int>(state.range(0));
    history(years);
    const QString path = scratch().filePath(QStringLiteral("history-%1.sqlite").arg(years));
    const QString sync = scratch().filePath(QStringLiteral("sync-%1").arg(years));
    for (const char* computer : {"laptop", "tablet"}) {
        const QString folder = sync + QStringLiteral("/Horavane/") + QLatin1String(computer);
        const QString copy = folder + QStringLiteral("/Horavane 2024-12-29.sqlite");
        QDir().mkpath(folder);
        if (!QFile::exists(copy))
            history(years).execute(QByteArray("VACUUM INTO '" + QFile::encodeName(copy) + "'").constData());
    }
    Settings settings(scratch().filePath(QStringLiteral("all-computers-%1.conf").arg(years)));
    settings.setBackupFolder(sync);
    settings.setComputerId(QStringLiteral("desk"));
    FakeClock clock(QDateTime(QDate(2015, 1, 1).addDays(years * 365 - 1), QTime(12, 0)));
    QString text;
    for (auto _ : state) {
        BackupComputers others(settings);
        others.refresh();
        text = Commands::report(path, Period::month, clock, settings, &others).output;
        benchmark::DoNotOptimize(text.constData());
    }
    if (!text.contains(QStringLiteral("App 1\n")))
        state.SkipWithError("nothing reported");
}
BENCHMARK(ReportMonthAllComputers)->ArgName("years")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
