// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RingView.h"
#include "Breakdown.h"
#include "Spring.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

UsageItem app(const QString& id, double seconds)
{
    return UsageItem{ItemKey{ItemKind::app, id}, id.toUpper(), seconds};
}

UsageItem site(const QString& host, double seconds)
{
    return UsageItem{ItemKey{ItemKind::site, host}, host, seconds};
}

Summary summaryOf(const QList<UsageItem>& items)
{
    Summary summary;
    summary.items = items;
    for (const UsageItem& item : items)
        summary.total += item.seconds;
    return summary;
}

// The first `count` items get palette colours in order.
QHash<ItemKey, AdaptiveColor> colorsFor(const Summary& summary, int count)
{
    QHash<ItemKey, AdaptiveColor> colors;
    for (int i = 0; i < std::min<int>(count, summary.items.size()); ++i)
        colors.insert(summary.items[i].key, Palette::slices()[i]);
    return colors;
}

// A point at `ratio` of the radius, `degrees` clockwise from 12 o'clock, in the ring's coordinates.
QPointF at(const RingView& ring, double ratio, double degrees)
{
    const double r = ring.diameter() / 2;
    const double radians = degrees * std::numbers::pi / 180;
    return {r + ratio * r * std::sin(radians), r - ratio * r * std::cos(radians)};
}

// Three items of 100, 50 and 25 s, the first two coloured, the third folded into "other".
Breakdown threeItems()
{
    const Summary summary = summaryOf({app("a", 100), site("b.example", 50), app("c", 25)});
    return Breakdown(summary, colorsFor(summary, 2));
}

TEST(RingPicture, OnlyTheTimePastTheLimitIsStriped)
{
    // One item of 100 s, its last 40 past its limit: the stripes cut 216°…360° in the background's colour.
    const Summary summary = summaryOf({app("a", 100)});
    RingView ring;
    ring.setDiameter(156);
    ring.resize(156, 156);
    ring.setBreakdown(Breakdown(summary, colorsFor(summary, 1), {{summary.items[0].key, LimitMark{60, 40, 1, 1}}}));
    EXPECT_EQ(ring.breakdown().slices[0].overSeconds, 40);
    const QImage image = ring.grab().toImage();
    const QColor background = ring.palette().color(QPalette::Window);
    const auto stripedShare = [&](double from, double to) {
        int striped = 0;
        int all = 0;
        for (double degrees = from; degrees < to; degrees += 0.5, ++all) {
            const QColor pixel = image.pixelColor(at(ring, 0.87, degrees).toPoint());
            striped += std::abs(pixel.lightness() - background.lightness()) < 30 ? 1 : 0;
        }
        return double(striped) / all;
    };
    EXPECT_EQ(stripedShare(5, 210), 0) << "the time within the limit is whole";
    EXPECT_GT(stripedShare(222, 355), 0.15) << "the time past it is cut by stripes";
}

TEST(Breakdown, ColouredItemsThenTheRemainder)
{
    QList<UsageItem> items;
    for (int i = 0; i < 10; ++i)
        items.append(app(QString::number(i), 190 - i * 20));
    const Summary summary = summaryOf(items);
    ASSERT_EQ(summary.total, 1000);

    const Breakdown breakdown(summary, colorsFor(summary, 5));
    ASSERT_EQ(breakdown.slices.size(), 6);
    EXPECT_EQ(breakdown.slices[0].id, "0:0");
    EXPECT_EQ(breakdown.slices[0].name, "0");
    EXPECT_EQ(breakdown.slices[0].color, Palette::slices()[0]);
    EXPECT_EQ(breakdown.slices[5].id, "other");
    EXPECT_EQ(breakdown.slices[5].name, "Everything else");
    EXPECT_EQ(breakdown.slices[5].seconds, 1000 - (190 + 170 + 150 + 130 + 110));
    EXPECT_EQ(breakdown.slices[5].color, Palette::other());
    EXPECT_EQ(Slice::idOf(ItemKey{ItemKind::site, "x.org"}), "1:x.org");
}

TEST(Breakdown, RemainderOnlyFromOneSecond)
{
    Summary summary = summaryOf({app("a", 10)});
    summary.total = 10.5;
    EXPECT_EQ(Breakdown(summary, colorsFor(summary, 1)).slices.size(), 1);
    summary.total = 11;
    EXPECT_EQ(Breakdown(summary, colorsFor(summary, 1)).slices.size(), 2);
    EXPECT_TRUE(Breakdown(Summary{}, {}).slices.isEmpty());
}

TEST(RingView, RingValueOnTheBandOnly)
{
    RingView ring;
    ring.setDiameter(200);
    ring.setBreakdown(threeItems()); // slices total 175 s
    const double r = 100;

    struct Case
    {
        const char* name;
        QPointF point;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"12 o'clock on the band", at(ring, 0.87, 0), 0.0},
        {"3 o'clock", at(ring, 0.87, 90), 175 / 4.0},
        {"6 o'clock", at(ring, 0.87, 180), 175 / 2.0},
        {"exactly at 0.7 r", QPointF(r, r - 0.7 * r), 0.0},
        {"exactly at 1.04 r", QPointF(r + 1.04 * r, r), 175 / 4.0},
        {"just inside 0.7 r", QPointF(r, r - 0.699 * r), std::nullopt},
        {"just outside 1.04 r", QPointF(r + 1.041 * r, r), std::nullopt},
        {"centre", QPointF(r, r), std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<double> value = ring.ringValue(c.point);
        ASSERT_EQ(value.has_value(), c.value.has_value()) << c.name;
        if (value) {
            EXPECT_NEAR(*value, *c.value, 1e-9) << c.name;
        }
    }
    // Just left of 12 o'clock is almost the whole way round.
    EXPECT_GT(*ring.ringValue(QPointF(r - 0.01, r - 0.87 * r)), 174.9);

    ring.setBreakdown(Breakdown());
    EXPECT_EQ(ring.ringValue(at(ring, 0.87, 90)), std::nullopt) << "no slices, no value";
}

TEST(RingView, FocusEmphasisesItsSliceOrTheRemainder)
{
    RingView ring;
    ring.setBreakdown(threeItems());
    const auto emphasisedId = [&] { return ring.emphasised() ? ring.emphasised()->id : QString("none"); };

    EXPECT_EQ(emphasisedId(), "none");
    EXPECT_EQ(ring.targetStyle("0:a"), (RingView::SectorStyle{0.77, 0.97, 1.0}));

    ring.setImposedFocus(Focus::item(ItemKey{ItemKind::site, "b.example"}));
    EXPECT_EQ(emphasisedId(), "1:b.example");

    // An item folded into the remainder emphasises the remainder, but the centre names the item itself.
    ring.setImposedFocus(Focus::item(ItemKey{ItemKind::app, "c"}));
    EXPECT_EQ(emphasisedId(), "other");
    EXPECT_EQ(ring.targetStyle("other"), (RingView::SectorStyle{0.75, 1.0, 1.0}));
    EXPECT_EQ(ring.targetStyle("0:a"), (RingView::SectorStyle{0.77, 0.97, 0.3}));
    EXPECT_EQ(ring.centerLabel(), (RingView::CenterLabel{25, "C"}));

    ring.setImposedFocus(Focus::other());
    EXPECT_EQ(emphasisedId(), "other");
    EXPECT_EQ(ring.centerLabel(), (RingView::CenterLabel{25, "Everything else"}));

    // Without a remainder slice, neither the folded item nor "other" emphasises anything.
    const Summary two = summaryOf({app("a", 100), app("b", 50)});
    ring.setBreakdown(Breakdown(two, colorsFor(two, 2)));
    ring.setImposedFocus(Focus::item(ItemKey{ItemKind::app, "zzz"}));
    EXPECT_EQ(emphasisedId(), "none");
    EXPECT_EQ(ring.centerLabel(), (RingView::CenterLabel{150, "Total"}));
}

TEST(RingView, EmptyRingSaysNoActivity)
{
    RingView ring;
    EXPECT_EQ(ring.centerLabel(), (RingView::CenterLabel{0, "No activity"}));
    EXPECT_EQ(ring.accessibleName(), "Time by app and website");
    ring.setDiameter(184);
    EXPECT_EQ(ring.sizeHint(), QSize(184, 184));
}

TEST(RingView, EmphasisAnimatesAndSettles)
{
    RingView ring;
    ring.setBreakdown(threeItems());
    ring.setImposedFocus(Focus::other());
    EXPECT_TRUE(ring.isAnimating());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !ring.isAnimating(); }, 30000))
        << "the frame timer stops once the springs settle";

    // New data is shown without animation.
    ring.setBreakdown(Breakdown(summaryOf({app("x", 10)}), colorsFor(summaryOf({app("x", 10)}), 1)));
    EXPECT_FALSE(ring.isAnimating());
}

// The pointer drives the ring through real mouse events on a shown window.
class RingHover : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(220, 220);
        ring = new RingView(&window);
        ring->setDiameter(200);
        ring->setGeometry(10, 10, 200, 200);
        ring->setBreakdown(threeItems());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // The pointer stays where the previous test left it; start from outside the ring.
        QTest::mouseMove(&window, QPoint(1, 1));
        QCoreApplication::processEvents();
    }

    void moveTo(double ratio, double degrees)
    {
        QTest::mouseMove(ring, at(*ring, ratio, degrees).toPoint());
        QCoreApplication::processEvents();
    }

    QWidget window;
    RingView* ring = nullptr;
};

TEST_F(RingHover, ReportsOnlyWhenTheSliceChanges)
{
    QSignalSpy spy(ring, &RingView::hovered);

    moveTo(0.87, 20);  // slice a: 0…205.7°
    moveTo(0.87, 100); // still a
    moveTo(0.9, 150);
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy[0][0].value<std::optional<Focus>>(), Focus::item(ItemKey{ItemKind::app, "a"}));
    EXPECT_EQ(ring->pointedSlice()->id, "0:a");

    moveTo(0.87, 250); // b: 205.7…308.6°
    moveTo(0.87, 330); // other: the folded item c
    moveTo(0.5, 330);  // the hole
    moveTo(0.3, 200);  // still nothing: no report
    ASSERT_EQ(spy.size(), 4);
    EXPECT_EQ(spy[1][0].value<std::optional<Focus>>(), Focus::item(ItemKey{ItemKind::site, "b.example"}));
    EXPECT_EQ(spy[2][0].value<std::optional<Focus>>(), Focus::other());
    EXPECT_EQ(spy[3][0].value<std::optional<Focus>>(), std::nullopt);
    EXPECT_EQ(ring->chartAngle(), std::nullopt);
}

TEST_F(RingHover, PointedSliceIsEmphasisedWithoutImposedFocus)
{
    moveTo(0.87, 250);
    ASSERT_TRUE(ring->emphasised());
    EXPECT_EQ(ring->emphasised()->id, "1:b.example");
    EXPECT_EQ(ring->centerLabel(), (RingView::CenterLabel{50, "b.example"}));

    // An imposed focus wins over the pointer.
    ring->setImposedFocus(Focus::item(ItemKey{ItemKind::app, "a"}));
    EXPECT_EQ(ring->emphasised()->id, "0:a");
}

TEST_F(RingHover, OnceSettledTheHoverPictureShowsTheHoveredSliceAlone)
{
    // The same ring with the same slice in focus from the start: no "Total" under its centre text.
    QWidget still;
    still.resize(window.size());
    auto* imposed = new RingView(&still);
    imposed->setDiameter(200);
    imposed->setGeometry(ring->geometry());
    imposed->setBreakdown(threeItems());
    imposed->setImposedFocus(Focus::item(ItemKey{ItemKind::site, "b.example"}));
    imposed->setFocusPolicy(Qt::NoFocus); // the window shown last would give it the focus, and its ring
    still.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&still));

    moveTo(0.87, 250); // b
    EXPECT_GT(SpringDriver::runningCount(), 0) << "the emphasis and the centre text move";
    // Everything that moves runs on spring drivers, so none running means nothing is half way.
    ASSERT_TRUE(QTest::qWaitFor([] { return SpringDriver::runningCount() == 0; }, 20000));
    EXPECT_EQ(ring->grab().toImage(), imposed->grab().toImage());
}

TEST_F(RingHover, LeavingTheWidgetReportsNothingInFocus)
{
    QSignalSpy spy(ring, &RingView::hovered);
    moveTo(0.87, 20);
    QTest::mouseMove(&window, QPoint(2, 2));
    QCoreApplication::processEvents();
    ASSERT_EQ(spy.size(), 2);
    EXPECT_EQ(spy[1][0].value<std::optional<Focus>>(), std::nullopt);
}

TEST_F(RingHover, NewDataUnderAStillPointerFollowsThePointer)
{
    moveTo(0.87, 350); // "other" of the old data
    QSignalSpy spy(ring, &RingView::hovered);
    const Summary grown = summaryOf({app("a", 1000), site("b.example", 50)});
    ring->setBreakdown(Breakdown(grown, colorsFor(grown, 2)));
    // At 350° the new ring shows b (342.9…360°), though the old value in seconds would fall in a.
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy[0][0].value<std::optional<Focus>>(), Focus::item(ItemKey{ItemKind::site, "b.example"}));
    EXPECT_EQ(ring->pointedSlice()->id, "1:b.example");
}

TEST_F(RingHover, SlicesAreListItemsTheArrowsPointAt)
{
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(ring);
    ASSERT_EQ(list->childCount(), 3);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), "A, 1 minute");
    EXPECT_EQ(list->child(2)->text(QAccessible::Name), "Everything else, less than a minute");
    EXPECT_TRUE(list->child(0)->rect().intersects(QRect(ring->mapToGlobal(QPoint(100, 0)), QSize(20, 20))))
        << "a starts at 12 o'clock";

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ring->clearFocus(); // the window gave it the focus as it opened, which points at nothing
    EXPECT_FALSE(ring->emphasised());
    ring->setFocus(Qt::TabFocusReason); // arriving by Tab points at the first slice
    const struct
    {
        Qt::Key key;
        int slice;
    } steps[] = {
        {Qt::Key_unknown, 0}, {Qt::Key_Right, 1}, {Qt::Key_Down, 2}, {Qt::Key_Right, 2},
        {Qt::Key_Left, 1},    {Qt::Key_Home, 0},  {Qt::Key_End, 2},  {Qt::Key_Up, 1},
    };
    for (const auto& step : steps) {
        if (step.key != Qt::Key_unknown)
            QTest::keyClick(ring, step.key);
        ASSERT_TRUE(ring->emphasised()) << step.key;
        EXPECT_EQ(ring->emphasised()->id, ring->breakdown().slices[step.slice].id) << step.key;
        EXPECT_EQ(list->focusChild(), list->child(step.slice)) << step.key;
        EXPECT_TRUE(list->child(step.slice)->state().focused) << step.key;
    }

    QSignalSpy spy(ring, &RingView::hovered);
    ring->clearFocus();
    ASSERT_EQ(spy.size(), 1) << "what the keys pointed at goes with the focus";
    EXPECT_EQ(spy[0][0].value<std::optional<Focus>>(), std::nullopt);
}

} // namespace
