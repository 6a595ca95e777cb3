// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What one page read costs over the accessibility bus, against a real Firefox and a real Chromium window
// showing a simple page. Run it inside tests/e2e/with-x11-session.sh --a11y, which provides the desktop
// and the bus; anywhere else the reads are skipped, and no browser is ever started on the user's desktop.
#include "AccessibilityFetch.h"
#include "AtspiAccessibility.h"
#include "PageReader.h"
#include "RealBrowsers.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const Accessibility* accessibility = nullptr;
qint64 firefoxPid = 0;
qint64 chromiumPid = 0;

void PageRead(benchmark::State& state, const qint64* pid)
{
    if (!accessibility || *pid <= 0) {
        state.SkipWithError("no browser: run inside with-x11-session.sh --a11y");
        return;
    }
    const PageReader reader(*accessibility);
    if (!reader.frontPage(*pid).address) {
        state.SkipWithError("the browser shows no page");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.frontPage(*pid));
}
BENCHMARK_CAPTURE(PageRead, Firefox, &firefoxPid)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);
BENCHMARK_CAPTURE(PageRead, Chromium, &chromiumPid)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);

// The probe's whole request: the page read with the private-window check by the window's title.
void SiteFetch(benchmark::State& state, const qint64* pid, BrowserFamily family)
{
    if (!accessibility || *pid <= 0) {
        state.SkipWithError("no browser: run inside with-x11-session.sh --a11y");
        return;
    }
    const AccessibilityFetch fetch(*accessibility);
    const std::chrono::milliseconds timeout{2000};
    if (!fetch.fetch(*pid, family, timeout).host) {
        state.SkipWithError("the browser shows no site");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(fetch.fetch(*pid, family, timeout));
}
BENCHMARK_CAPTURE(SiteFetch, Firefox, &firefoxPid, BrowserFamily::firefox)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3);
BENCHMARK_CAPTURE(SiteFetch, Chromium, &chromiumPid, BrowserFamily::chromium)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    std::unique_ptr<AtspiAccessibility> atspi;
    std::unique_ptr<RealBrowsers::PageServer> server;
    std::unique_ptr<RealBrowsers::Browser> firefox;
    std::unique_ptr<RealBrowsers::Browser> chromium;
    if (RealBrowsers::inSession()) {
        server = std::make_unique<RealBrowsers::PageServer>(QStringLiteral(HORAVANE_E2E_PAGES));
        atspi = std::make_unique<AtspiAccessibility>();
        atspi->enable(); // the session's switch, kept in memory
        const QString url = server->url(QStringLiteral("alpha.html"));
        firefox = std::make_unique<RealBrowsers::Browser>(RealBrowsers::Browser::Kind::firefox, url);
        chromium = std::make_unique<RealBrowsers::Browser>(
            RealBrowsers::Browser::Kind::chromium, url, QStringList{QStringLiteral("--force-renderer-accessibility")});
        const PageReader reader(*atspi);
        for (const auto* browser : {firefox.get(), chromium.get()})
            RealBrowsers::eventually([&] { return reader.frontPage(browser->pid()).address == url; }, 30000);
        accessibility = atspi.get();
        firefoxPid = firefox->pid();
        chromiumPid = chromium->pid();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
