// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the user waits for in the history window: opening the 30-day view over a month of 60 items a day
// (reading the days, colours, layout and one full paint), a tracker change that alters nothing visible,
// and a pointer move over the bars with the chart's repaint.
#include "AppIcons.h"
#include "BarChart.h"
#include "FakePlatform.h"
#include "HistoryView.h"
#include "Icons.h"
#include "NoFavicons.h"
#include "Settings.h"
#include "Store.h"
#include "Tracker.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class NoAppIcons final : public AppIcons
{
public:
    std::optional<QImage> icon(const QString&) const override { return std::nullopt; }
    QImage genericIcon() const override
    {
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(Qt::gray);
        return image;
    }
};

// A month of history, 60 items a day (a third of them sites), in a store in a temp dir.
struct Month
{
    Month()
    {
        auto store = Store::open(dir.filePath("usage.sqlite"));
        QList<UsageRow> rows;
        const QDate today = fake.clock.now().toTimeZone(fake.clock.timeZone()).date();
        for (int day = 0; day < 30; ++day) {
            const QString key = today.addDays(-day).toString(Qt::ISODate);
            for (int i = 0; i < 60; ++i) {
                const ItemKind kind = i % 3 == 0 ? ItemKind::site : ItemKind::app;
                const QString id = kind == ItemKind::site ? QStringLiteral("site%1.example.org").arg(i)
                                                          : QStringLiteral("org.example.App%1").arg(i);
                rows.append(UsageRow{key, ItemKey{kind, id}, QStringLiteral("Item %1").arg(i), 3600.0 / (i + 1) + day});
            }
        }
        store->add(rows);
        tracker = std::make_unique<Tracker>(Tracker::Sampling::whenTold, fake.platform(), settings, std::move(store));
        fake.workspace.setFront(app(QStringLiteral("org.example.App1"), QStringLiteral("Item 1")));
        tracker->tick();
    }

    FakePlatform fake;
    QTemporaryDir dir;
    Settings settings{dir.filePath("Horavane.conf")};
    NoAppIcons appIcons;
    Icons icons{appIcons, noFavicons(dir.filePath("Favicons"))};
    std::unique_ptr<Tracker> tracker;
};

QImage canvas(const QSize& size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}

// Opens the 30-day view: reads the month, assigns colours, lays out and paints the whole window once.
void OpenMonthView(benchmark::State& state)
{
    Month month;
    const qreal ratio = static_cast<qreal>(state.range(0));
    QImage image = canvas(QSize(640, 560), ratio);
    for (auto _ : state) {
        HistoryView view(*month.tracker, month.icons, month.settings, Period::month);
        view.resize(640, 560);
        view.setShown(true);
        image.fill(Qt::transparent);
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(OpenMonthView)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A tracker sample while the window is shown, within the same minutes: the month is read, nothing redraws.
void SampleWithoutVisibleChange(benchmark::State& state)
{
    Month month;
    HistoryView view(*month.tracker, month.icons, month.settings, Period::month);
    view.resize(640, 560);
    view.setShown(true);
    for (auto _ : state) {
        month.fake.clock.advance(0.001);
        month.tracker->tick();
    }
}
BENCHMARK(SampleWithoutVisibleChange)->Unit(benchmark::kMillisecond);

// The pointer moves to another bar piece; the chart repaints.
void HoverRepaint(benchmark::State& state)
{
    Month month;
    HistoryView view(*month.tracker, month.icons, month.settings, Period::month);
    view.resize(640, 560);
    view.setShown(true);
    BarChart& chart = *view.chart();
    QImage image = canvas(chart.size(), 2);
    const QList<Segment>& segments = view.model().segments();
    qsizetype next = 0;
    for (auto _ : state) {
        const QPointF point = chart.segmentRect(segments[(next += 7) % segments.size()]).center();
        QMouseEvent move(QEvent::MouseMove, point, chart.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&chart, &move);
        image.fill(Qt::transparent);
        chart.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(HoverRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
