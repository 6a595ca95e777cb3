// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PopoverView.h"
#include "Breakdown.h"
#include "DailyLimitDialog.h"
#include "FooterRow.h"
#include "ItemList.h"
#include "ItemRow.h"
#include "OptionsMenu.h"
#include "PermissionNotice.h"
#include "PopoverFixture.h"
#include "RingView.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PopoverViewTest : public ::testing::Test, protected PopoverFixture
{
protected:
    // A popover on screen, as the window shows it.
    std::unique_ptr<PopoverView> open()
    {
        auto popover = std::make_unique<PopoverView>(*tracker, icons, settings, updates, fake.accessibility);
        parkPointer();
        popover->show();
        popover->setShown(true);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(popover.get()));
        return popover;
    }

    static QStringList names(const QList<UsageItem>& items)
    {
        QStringList names;
        for (const UsageItem& item : items)
            names.append(item.name);
        return names;
    }
};

Summary summaryOf(const QList<std::pair<QString, double>>& usage)
{
    Summary summary;
    for (const auto& [name, seconds] : usage) {
        summary.items.append(UsageItem{PopoverFixture::key(name), name, seconds});
        summary.total += seconds;
    }
    return summary;
}

} // namespace

TEST(PopoverRows, ShortItemsAreLeftOutOnlyFromEightItemsOn)
{
    struct Case
    {
        const char* name;
        QList<double> seconds;
        QStringList expected;
    };
    const Case cases[] = {
        {"nothing today", {}, {}},
        {"seven items, three short: all shown",
         {600, 500, 400, 300, 59, 30, 1},
         {"Item 1", "Item 2", "Item 3", "Item 4", "Item 5", "Item 6", "Item 7"}},
        {"ten items, three short: the seven others",
         {900, 800, 700, 600, 500, 400, 300, 59.9, 20, 1},
         {"Item 1", "Item 2", "Item 3", "Item 4", "Item 5", "Item 6", "Item 7"}},
        {"eight items, the last exactly a minute",
         {900, 800, 700, 600, 500, 400, 300, 60},
         {"Item 1", "Item 2", "Item 3", "Item 4", "Item 5", "Item 6", "Item 7", "Item 8"}},
        {"eight items, all short", {50, 40, 30, 20, 10, 5, 2, 1}, {}},
    };
    for (const Case& test : cases) {
        const QList<UsageItem> rows = PopoverView::rows(summaryOf(items(test.seconds)));
        QStringList names;
        for (const UsageItem& item : rows)
            names.append(item.name);
        EXPECT_EQ(names, test.expected) << test.name;
    }
}

TEST(PopoverRows, TheListShowsAtMostSevenRowsAtOnce)
{
    const std::pair<int, int> cases[] = {{0, 0}, {1, 32}, {6, 192}, {7, 224}, {12, 224}, {200, 224}};
    for (const auto& [rows, height] : cases)
        EXPECT_EQ(PopoverView::listHeight(rows), height) << rows << " rows";
}

TEST_F(PopoverViewTest, TwelveRowsScrollInASevenRowList)
{
    start(items({900, 850, 800, 750, 700, 650, 600, 550, 500, 450, 400, 350}));
    auto popover = open();

    EXPECT_EQ(popover->width(), 300);
    ItemList* list = popover->list();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->height(), 224);
    EXPECT_EQ(list->items().size(), 12);
    EXPECT_GT(list->scrollArea()->verticalScrollBar()->maximum(), 0);
    // Rows are made as they come into view, not all at once.
    EXPECT_NE(list->row(0), nullptr);
    EXPECT_EQ(list->row(11), nullptr);
    list->scrollArea()->verticalScrollBar()->setValue(list->scrollArea()->verticalScrollBar()->maximum());
    ASSERT_NE(list->row(11), nullptr);
    EXPECT_EQ(list->row(11)->item().name, "Item 12");
    EXPECT_EQ(list->row(11)->height(), 32);
}

TEST_F(PopoverViewTest, ANewDayWithoutActivityShowsNoListAndTheFooterFollowsTheRing)
{
    start({});
    auto popover = open();
    EXPECT_FALSE(popover->list()->isVisible());
    EXPECT_FALSE(popover->notice()->isVisible());
    EXPECT_TRUE(popover->ring()->breakdown().slices.isEmpty());
    // Ring, its 12 points below, the divider's 8 + 1 + 4, then the footer row.
    const int ringBottom = popover->ring()->geometry().bottom() + 1;
    EXPECT_EQ(popover->historyRow()->geometry().top(), ringBottom + 12 + 8 + 1 + 4);
}

TEST_F(PopoverViewTest, ShowHistoryAsksForTheHistoryWindow)
{
    start(items({120}));
    auto popover = open();
    QSignalSpy history(popover.get(), &PopoverView::historyRequested);
    QTest::mouseClick(popover->historyRow(), Qt::LeftButton);
    EXPECT_EQ(history.count(), 1);
}

TEST_F(PopoverViewTest, HiddenItIgnoresTheTrackerAndCatchesUpWhenShown)
{
    start(items({300}));
    PopoverView popover(*tracker, icons, settings, updates, fake.accessibility);
    popover.setShown(true);
    ASSERT_EQ(names(popover.summary().items), QStringList{"Item 1"});

    popover.setShown(false);
    use("Mail", 120);
    EXPECT_EQ(names(popover.summary().items), QStringList{"Item 1"}) << "refreshed while hidden";

    popover.setShown(true);
    EXPECT_EQ(names(popover.summary().items), (QStringList{"Item 1", "Mail"}));
    EXPECT_EQ(popover.list()->items().size(), 2);
}

TEST_F(PopoverViewTest, ASummaryThatLooksTheSameIsNotReplaced)
{
    start(items({300}));
    PopoverView popover(*tracker, icons, settings, updates, fake.accessibility);
    popover.setShown(true);
    use("Item 1", 20); // 320 s: still five whole minutes
    EXPECT_EQ(popover.summary().items.first().seconds, 300);
    use("Item 1", 40); // 360 s: six minutes
    EXPECT_EQ(popover.summary().items.first().seconds, 360);
    EXPECT_EQ(popover.list()->items().first().seconds, 360);
}

TEST_F(PopoverViewTest, HoveringARowEmphasisesItsSliceAndLeavingClearsIt)
{
    start(items({600, 500, 400}));
    auto popover = open();
    ItemList* list = popover->list();
    ItemRow* first = list->row(0);
    ItemRow* second = list->row(1);

    QTest::mouseMove(first, QPoint(40, 16));
    EXPECT_EQ(popover->hoveredRow(), key("Item 1"));
    EXPECT_EQ(popover->ring()->imposedFocus(), Focus::item(key("Item 1")));
    EXPECT_TRUE(first->isHovered());

    QTest::mouseMove(second, QPoint(40, 16));
    EXPECT_EQ(popover->hoveredRow(), key("Item 2"));
    EXPECT_FALSE(first->isHovered());
    EXPECT_TRUE(second->isHovered());

    QTest::mouseMove(popover->historyRow(), QPoint(20, 10));
    EXPECT_EQ(popover->hoveredRow(), std::nullopt);
    EXPECT_EQ(popover->ring()->imposedFocus(), std::nullopt);
    EXPECT_FALSE(second->isHovered());
}

TEST_F(PopoverViewTest, ARowFoldedIntoTheRemainderEmphasisesTheRemainderSlice)
{
    settings.setChartColors(3);
    start(items({600, 500, 400, 300, 200}));
    auto popover = open();
    QTest::mouseMove(popover->list()->row(4), QPoint(40, 16));
    ASSERT_TRUE(popover->ring()->emphasised().has_value());
    EXPECT_EQ(popover->ring()->emphasised()->id, Slice::otherId);
}

TEST_F(PopoverViewTest, HoveringTheRingHighlightsTheItemsRowButNotForTheRemainder)
{
    settings.setChartColors(3);
    start(items({600, 500, 400, 300, 200}));
    auto popover = open();
    RingView* ring = popover->ring();
    const qreal middle = ring->width() / 2.0;

    // Just right of 12 o'clock, on the band: the first slice.
    QTest::mouseMove(ring, QPoint(qRound(middle) + 1, 6));
    EXPECT_EQ(popover->ringFocus(), Focus::item(key("Item 1")));
    EXPECT_EQ(popover->list()->highlighted(), key("Item 1"));
    EXPECT_TRUE(popover->list()->row(0)->isHovered());
    EXPECT_EQ(popover->hoveredRow(), std::nullopt) << "the ring does not move the list's own hover";

    // Just left of 12 o'clock: the last slice, "Everything else".
    QTest::mouseMove(ring, QPoint(qRound(middle) - 2, 6));
    EXPECT_EQ(popover->ringFocus(), Focus::other());
    EXPECT_EQ(popover->list()->highlighted(), std::nullopt);
    EXPECT_FALSE(popover->list()->row(0)->isHovered());
}

TEST_F(PopoverViewTest, FewerColouredSlicesRecolourTheRingAndTheSwatches)
{
    start(items({600, 500, 400, 300, 200}));
    auto popover = open();
    EXPECT_EQ(popover->ring()->breakdown().slices.size(), 5);

    settings.setChartColors(3);
    const QList<Slice>& slices = popover->ring()->breakdown().slices;
    ASSERT_EQ(slices.size(), 4);
    EXPECT_EQ(slices.last().name, "Everything else");
    EXPECT_EQ(slices.last().seconds, 500);
    EXPECT_TRUE(popover->list()->row(2)->swatch().has_value());
    EXPECT_FALSE(popover->list()->row(3)->swatch().has_value());
    EXPECT_FALSE(popover->list()->row(4)->swatch().has_value());
}

TEST_F(PopoverViewTest, DontTrackFromARowsMenuOrTheOptionsMenuRemovesTheItem)
{
    start({{"Mail", 300}, {"Editor", 200}});
    auto popover = open();
    ItemRow* mail = popover->list()->row(0);
    ASSERT_EQ(mail->item().name, "Mail");

    rightClick(mail, QPoint(40, 16));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "a right click opens the row's menu through the pointer tracker";
    EXPECT_EQ(menu->actions().first()->text(), QStringLiteral("Don\u2019t Track \u201CMail\u201D"));

    menu->actions().first()->trigger();
    menu->close();
    EXPECT_TRUE(tracker->excluded().contains(key("Mail")));
    EXPECT_EQ(names(popover->list()->items()), QStringList{"Editor"});

    // The options menu offers the listed items without pointing at a row; with none left it offers nothing.
    QMenu* dontTrack = popover->optionsMenu()->dontTrack();
    ASSERT_EQ(dontTrack->actions().size(), 1);
    EXPECT_EQ(dontTrack->actions().first()->text(), "Editor");
    dontTrack->actions().first()->trigger();
    EXPECT_TRUE(tracker->excluded().contains(key("Editor")));
    EXPECT_TRUE(names(popover->list()->items()).isEmpty());
    EXPECT_FALSE(dontTrack->menuAction()->isVisible());
}

TEST_F(PopoverViewTest, ADailyLimitFromARowsMenuShowsOnTheRowAndTheRingUntilRemoved)
{
    start({{"Mail", 5400}, {"Editor", 200}});
    auto popover = open();
    const auto choose = [&](const QString& title) {
        rightClick(popover->list()->row(0), QPoint(40, 16));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->text() == title)
                action->trigger();
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };

    choose("Set Daily Limit…");
    auto* dialog = qobject_cast<DailyLimitDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr) << "the dialog opens on its own, as the popover closes";
    EXPECT_EQ(dialog->minutes(), 60) << "an hour to start with";
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(settings.dailyLimits(), (QList<DailyLimit>{DailyLimit{0, key("Mail").id, 60}}));

    const ItemRow* mail = popover->list()->row(0);
    EXPECT_EQ(ItemRow::timeText(mail->item().seconds, mail->limit()), "1h 30m of 1h");
    EXPECT_EQ(mail->accessibleName(), "Mail, 1 hour 30 minutes, over its daily limit of 1 hour");
    const Slice& slice = popover->ring()->breakdown().slices.first();
    EXPECT_EQ(slice.overSeconds, 1800);
    EXPECT_EQ(popover->ring()->partName(0), "Mail, 1 hour 30 minutes, over its daily limit");
    EXPECT_EQ(popover->ring()->breakdown().slices.last().overSeconds, 0) << "Editor has no limit";

    choose("Remove Daily Limit");
    EXPECT_TRUE(settings.dailyLimits().isEmpty());
    EXPECT_EQ(popover->list()->row(0)->accessibleName(), "Mail, 1 hour 30 minutes");
    EXPECT_EQ(popover->ring()->breakdown().slices.first().overSeconds, 0);
}

TEST_F(PopoverViewTest, TheNoticeFollowsTheTrackersBlockedBrowserAndOpensTheRightSettings)
{
    start(items({300}));
    auto popover = open();
    EXPECT_FALSE(popover->notice()->isVisible());

    // The notice is what the tracker says; the popover shows it whenever the tracker announces a change.
    popover->notice()->setBlockedBrowser(
        Tracker::BlockedBrowser{"Chromium", BrowserPermission::rendererAccessibility, "chromium"});
    EXPECT_TRUE(popover->notice()->isVisible());
    popover->notice()->button()->click();
    EXPECT_EQ(fake.accessibility.rendererRequests, 1);

    // While the session's accessibility is off, every click asks again, so a refusal can be revisited;
    // once it is on, the desktop's accessibility settings open.
    popover->notice()->setBlockedBrowser(
        Tracker::BlockedBrowser{"Firefox ESR", BrowserPermission::accessibility, "firefox-esr"});
    fake.accessibility.enabled = false;
    popover->notice()->button()->click();
    popover->notice()->button()->click();
    EXPECT_EQ(fake.accessibility.enableRequests, 2);
    fake.accessibility.enabled = true;
    popover->notice()->button()->click();
    EXPECT_EQ(fake.accessibility.settingsOpenings, 1);

    emit tracker->blockedBrowserChanged(); // the tracker has none
    EXPECT_FALSE(popover->notice()->isVisible());
}
