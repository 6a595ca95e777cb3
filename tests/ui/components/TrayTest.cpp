// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrayIcon.h"
#include "TrayLabel.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

using TrayIcon::Arc;
using TrayIcon::Layout;

TEST(TrayIcon, Layouts)
{
    struct Case
    {
        const char* name;
        QList<int> shares;
        int count;
        QList<Arc> arcs;
    };
    const Case cases[] = {
        {"nothing yet: resting", {}, 8, {{0.52, 1}, {0.30, 1}, {0.18, 1}}},
        {"all under 5 %: resting", {4, 2}, 8, {{0.52, 1}, {0.30, 1}, {0.18, 1}}},
        {"one item of everything", {100}, 8, {{1.0, 1}}},
        {"small item into the faint remainder", {50, 30, 4}, 3, {{0.5, 1}, {0.3, 1}, {0.2, 0.4}}},
        {"items beyond count into the remainder", {50, 30, 10}, 2, {{0.5, 1}, {0.3, 1}, {0.2, 0.4}}},
        {"remainder under 5 % dropped", {60, 38}, 8, {{0.6 / 0.98, 1}, {0.38 / 0.98, 1}}},
        {"rounded over 100", {34, 34, 34}, 8, {{1 / 3.0, 1}, {1 / 3.0, 1}, {1 / 3.0, 1}}},
        {"count 0 shows nothing", {60, 40}, 0, {{0.52, 1}, {0.30, 1}, {0.18, 1}}},
    };
    for (const Case& c : cases) {
        const Layout layout = TrayIcon::layout(c.shares, c.count);
        ASSERT_EQ(layout.arcs.size(), c.arcs.size()) << c.name;
        for (qsizetype i = 0; i < c.arcs.size(); ++i) {
            EXPECT_NEAR(layout.arcs[i].share, c.arcs[i].share, 1e-12) << c.name << " arc " << i;
            EXPECT_EQ(layout.arcs[i].strength, c.arcs[i].strength) << c.name << " arc " << i;
        }
    }
}

TEST(TrayIcon, OneFullArcLeavesAGapAtTheTop)
{
    const QList<TrayIcon::Span> spans = TrayIcon::visibleSpans(TrayIcon::layout({100}, 8));
    ASSERT_EQ(spans.size(), 1);
    EXPECT_NEAR(spans[0].start, 77.03, 0.005);
    EXPECT_NEAR(spans[0].end, -257.03, 0.005);
}

TEST(TrayIcon, ShortArcsAreSkippedButKeepTheirRoom)
{
    // Spans above 2 × (7 + 5.968…) ≈ 25.94° show; 0.06 × 360 = 21.6° does not.
    const Layout layout{{{0.06, 1}, {0.5, 1}, {0.44, 0.4}}};
    const QList<TrayIcon::Span> spans = TrayIcon::visibleSpans(layout);
    ASSERT_EQ(spans.size(), 2);
    EXPECT_EQ(spans[0].arc, 1);
    EXPECT_NEAR(spans[0].start, 90 - 0.06 * 360 - 12.968310365946075, 1e-9);
    EXPECT_EQ(spans[1].arc, 2);

    EXPECT_EQ(TrayIcon::visibleSpans(Layout{{{0.072, 1}, {0.928, 1}}}).size(), 1);
    EXPECT_EQ(TrayIcon::visibleSpans(Layout{{{0.073, 1}, {0.927, 1}}}).size(), 2);
}

TEST(TrayIcon, DrawingNeedsAPainter)
{
    EXPECT_FALSE(TrayIcon::draw(nullptr, TrayIcon::resting()));
    QPainter idle;
    EXPECT_FALSE(TrayIcon::draw(&idle, TrayIcon::resting()));
}

TEST(TrayIcon, ImageIsCachedForTheSameInputs)
{
    TrayIcon::ImageCache tray, preview;
    const QImage first = tray.image({60, 40}, 3);
    EXPECT_EQ(first.size(), QSize(17, 17));
    EXPECT_NE(preview.image({26, 18, 14}, 3).cacheKey(), first.cacheKey());
    const QImage second = tray.image({60, 40}, 3);
    EXPECT_EQ(second.cacheKey(), first.cacheKey()) << "the identical image comes back; the other cache kept its own";
    EXPECT_NE(tray.image({60, 40}, 4).cacheKey(), first.cacheKey());
    EXPECT_NE(tray.image({60, 40}, 4, 2).cacheKey(), tray.image({60, 40}, 4, 1).cacheKey());

    // A template: only black with alpha, and something drawn.
    const QImage image = TrayIcon::image({60, 40}, 3).convertToFormat(QImage::Format_ARGB32);
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            EXPECT_EQ(pixel.red() + pixel.green() + pixel.blue(), 0);
            inked += pixel.alpha() > 0 ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 40);
}

Glance glanceOf(QList<int> shares, qint64 minutes)
{
    Glance glance;
    glance.shares = shares;
    glance.minutes = minutes;
    return glance;
}

TEST(TrayLabel, ImageSizeFollowsTheTimeAndTheRatio)
{
    const Glance glance = glanceOf({60, 30}, 65);
    const QImage ringOnly = TrayLabel::image(glance, false, 8, Qt::black, 2);
    EXPECT_EQ(ringOnly.size(), QSize(34, 34));
    EXPECT_EQ(ringOnly.devicePixelRatio(), 2);
    EXPECT_EQ(ringOnly.deviceIndependentSize(), QSizeF(17, 17));

    const QImage withTime = TrayLabel::image(glance, true, 8, Qt::black, 2);
    EXPECT_EQ(withTime.devicePixelRatio(), 2);
    EXPECT_GT(withTime.deviceIndependentSize().width(), 17 + TrayLabel::spacing + 10);
    EXPECT_GE(withTime.deviceIndependentSize().height(), 17);

    const QImage longer = TrayLabel::image(glanceOf({60, 30}, 10 * 60 + 45), true, 8, Qt::black, 2);
    EXPECT_GT(longer.width(), withTime.width()) << "\"10h 45m\" is wider than \"1h 5m\"";

    EXPECT_EQ(TrayLabel::image(glance, false, 8, Qt::black, 0).devicePixelRatio(), 1) << "bad ratio";
}

TEST(TrayLabel, RingTakesThePanelsTextColour)
{
    for (Appearance panel : {Appearance::light, Appearance::dark}) {
        const QColor ink = TrayLabel::textColor(panel);
        const QImage image =
            TrayLabel::image(glanceOf({100}, 2), false, 8, ink, 1).convertToFormat(QImage::Format_ARGB32);
        // The solid arc's middle at 6 o'clock.
        const QColor pixel = image.pixelColor(8, 15);
        EXPECT_EQ(pixel.rgb(), ink.rgb()) << int(panel);
        EXPECT_GT(pixel.alpha(), 150) << int(panel);
    }
    EXPECT_EQ(TrayLabel::textColor(Appearance::dark).rgb(), QColor(Qt::white).rgb());

    // A halo outlines the ring: light just inside the arc, the ink on it.
    const QImage haloed = TrayLabel::image(glanceOf({100}, 2), false, 8, Qt::black, 1, nullptr, Qt::white)
                              .convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(haloed.pixelColor(8, 15).rgb(), QColor(Qt::black).rgb());
    EXPECT_GT(qGray(haloed.pixel(8, 13)), 200);
    EXPECT_GT(qAlpha(haloed.pixel(8, 13)), 150);
}

TEST(TrayLabel, ToolTip)
{
    EXPECT_EQ(TrayLabel::toolTip(glanceOf({100}, 65)), "Horavane — 1h 5m");
    EXPECT_EQ(TrayLabel::toolTip(glanceOf({}, 0)), "Horavane — 0m");
    EXPECT_EQ(TrayLabel::accessibleName(), "Horavane");
}

} // namespace
