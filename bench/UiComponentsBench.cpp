// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the user waits for while pointing at the ring: a hover change and one full repaint of the ring,
// and the tray image when the glance changes.
#include "Breakdown.h"
#include "RingView.h"
#include "TrayLabel.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <cmath>
#include <numbers>

namespace {

Breakdown sampleBreakdown()
{
    Summary summary;
    for (int i = 0; i < 12; ++i) {
        const ItemKind kind = i % 3 == 0 ? ItemKind::site : ItemKind::app;
        summary.items.append(UsageItem{ItemKey{kind, QStringLiteral("item%1").arg(i)},
                                       QStringLiteral("Item number %1").arg(i), 4000.0 / (i + 1)});
        summary.total += summary.items.last().seconds;
    }
    QHash<ItemKey, AdaptiveColor> colors;
    for (int i = 0; i < Palette::size; ++i)
        colors.insert(summary.items[i].key, Palette::slices()[i]);
    return Breakdown(summary, colors);
}

// A point on the ring's band at a clockwise angle from 12 o'clock.
QPointF onBand(qreal diameter, double degrees)
{
    const double r = diameter / 2;
    const double radians = degrees * std::numbers::pi / 180;
    return {r + 0.87 * r * std::sin(radians), r - 0.87 * r * std::cos(radians)};
}

// Moves the pointer to another slice, then paints the whole ring as the window would.
void RingHoverRepaint(benchmark::State& state)
{
    const qreal ratio = state.range(0);
    const qreal diameter = 156;
    RingView ring;
    ring.setDiameter(diameter);
    ring.resize(int(diameter), int(diameter));
    ring.setBreakdown(sampleBreakdown());
    QImage image(QSize(int(diameter * ratio), int(diameter * ratio)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);

    const double angles[] = {10, 150, 230, 280, 330};
    size_t next = 0;
    for (auto _ : state) {
        const QPointF point = onBand(diameter, angles[next++ % std::size(angles)]);
        QMouseEvent move(QEvent::MouseMove, point, ring.mapToGlobal(point), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&ring, &move);
        image.fill(Qt::transparent);
        ring.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["slice changes"] = double(state.iterations());
}

// A new tray image for a changed glance (the cache cannot help).
void TrayImage(benchmark::State& state)
{
    Glance glance;
    glance.shares = {40, 22, 12, 8, 6};
    int minutes = 0;
    for (auto _ : state) {
        glance.shares[0] = 40 + 2 * (minutes % 5);
        glance.minutes = ++minutes;
        benchmark::DoNotOptimize(TrayLabel::image(glance, true, 8, Qt::black, 2).constBits());
    }
}

} // namespace

BENCHMARK(RingHoverRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();
BENCHMARK(TrayImage)->Unit(benchmark::kMicrosecond);
