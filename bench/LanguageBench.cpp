// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What speaking the user's language adds to every start: loading Horavane's and Qt's translations.
#include "Language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <benchmark/benchmark.h>
#include <fstream>

namespace {

// Resident memory, from the kernel's own count of pages.
long residentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * 4;
}

void BM_InstallLanguage(benchmark::State& state)
{
    const QString language = state.range(0) == 0 ? QStringLiteral("de") : QStringLiteral("fr");
    const long before = residentKilobytes();
    for (auto _ : state) {
        Language::install(language);
        state.PauseTiming();
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            delete translator;
        state.ResumeTiming();
    }
    Language::install(language);
    QString text = QCoreApplication::translate("DurationText", "%1h %2m");
    benchmark::DoNotOptimize(text);
    state.counters["added_rss_kb"] = static_cast<double>(residentKilobytes() - before);
}
BENCHMARK(BM_InstallLanguage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
