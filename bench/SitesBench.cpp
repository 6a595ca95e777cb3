// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What site detection costs the two-second sample: the probe's answer for the browser in front, and
// the pure functions around it. The page walk's own cost (without the browser's answering time) is
// measured over a tree held in memory.
#include "BrowserFamily.h"
#include "BrowserProbe.h"
#include "Clock.h"
#include "PageReader.h"
#include "Settings.h"
#include "Site.h"

#include <QCoreApplication>
#include <QHash>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QThreadPool>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

// A browser that always shows the same page.
class FixedFetch final : public BrowserFetch
{
public:
    Outcome fetch(qint64, BrowserFamily, std::chrono::milliseconds) const override
    {
        return Outcome::answered(QStringLiteral("example.org"));
    }
};

// A wide tree of plain containers with one page at the far end, held in memory.
class TreeAccessibility final : public Accessibility
{
public:
    explicit TreeAccessibility(int elements)
    {
        AccessibleFacts window;
        window.role = AccessibleRole::window;
        for (int i = 1; i < elements; ++i) {
            const QString path = QString::number(i);
            window.children.append({QStringLiteral(":1.1"), path});
            AccessibleFacts facts;
            if (i == elements - 1) {
                facts.role = AccessibleRole::webArea;
                facts.address = QStringLiteral("https://example.org/");
                facts.size = QSizeF(1200, 800);
            }
            m_facts.insert(path, facts);
        }
        m_facts.insert(QStringLiteral("window"), window);
    }

    bool isEnabled() const override { return true; }
    void enable() override {}
    void openSettings() override {}
    void enableRendererAccessibility() override {}
    ApplicationAnswer application(qint64, Timeout) const override { return {{{":1.1", "app"}}, Error::none}; }
    std::optional<AccessibleElement> window(const AccessibleElement&, Window, Timeout) const override
    {
        return AccessibleElement{QStringLiteral(":1.1"), QStringLiteral("window")};
    }
    AccessibleFacts facts(const AccessibleElement& element, Timeout) const override
    {
        return m_facts.value(element.path);
    }
    QString name(const AccessibleElement&, Timeout) const override { return {}; }

private:
    QHash<QString, AccessibleFacts> m_facts;
};

// Times batches of calls, so the median per call is not drowned by the clock's own cost.
template <typename Call> void medianPerCall(benchmark::State& state, Call call)
{
    constexpr int batch = 1000;
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < batch; ++i)
            call();
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() /
                         batch);
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.SetItemsProcessed(state.iterations() * batch);
}

void CurrentSite(benchmark::State& state)
{
    QTemporaryDir dir;
    Settings settings(dir.filePath(QStringLiteral("settings.ini")));
    SystemClock clock;
    TreeAccessibility accessibility(1);
    QThreadPool pool;
    BrowserProbe probe(std::make_shared<FixedFetch>(), clock, accessibility, settings, &pool);
    // Twenty browsers known, the one in front answered and asked again: the state of every tick.
    for (int i = 0; i < 20; ++i)
        probe.currentSite(QStringLiteral("org.example.Browser%1").arg(i), 100 + i, BrowserFamily::chromium);
    const QString front = QStringLiteral("org.mozilla.firefox");
    probe.currentSite(front, 99, BrowserFamily::firefox);
    pool.waitForDone();
    QCoreApplication::processEvents();
    probe.currentSite(front, 99, BrowserFamily::firefox);

    medianPerCall(state, [&] { benchmark::DoNotOptimize(probe.currentSite(front, 99, BrowserFamily::firefox)); });
    pool.waitForDone();
    QCoreApplication::processEvents();
}

void SiteHost(benchmark::State& state)
{
    const QString address = QStringLiteral("https://www.example.org/articles/2025/03/page.html?utm_source=x#top");
    medianPerCall(state, [&] { benchmark::DoNotOptimize(Site::host(address)); });
}

void FamilyOfNonBrowser(benchmark::State& state)
{
    const QString id = QStringLiteral("org.gnome.TextEditor"); // every row is tried
    medianPerCall(state, [&] { benchmark::DoNotOptimize(BrowserFamily::of(id)); });
}

void PageWalk(benchmark::State& state)
{
    const TreeAccessibility accessibility(int(state.range(0)));
    const PageReader reader(accessibility);
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.frontPage(1));
}

} // namespace

BENCHMARK(CurrentSite);
BENCHMARK(SiteHost);
BENCHMARK(FamilyOfNonBrowser);
BENCHMARK(PageWalk)->Arg(400)->Arg(5000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("app.corvani.Horavane.probe=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
