// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryView.h"
#include "BackupComputers.h"
#include "BarChart.h"
#include "ComputerSwitch.h"
#include "DateLabels.h"
#include "DurationText.h"
#include "Headline.h"
#include "HistoryFixture.h"
#include "ItemList.h"
#include "PeriodPicker.h"
#include "RingView.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const ItemKey editor{ItemKind::app, "org.example.Editor"};
const ItemKey terminal{ItemKind::app, "org.example.Terminal"};
const ItemKey mail{ItemKind::app, "org.example.Mail"};
const ItemKey music{ItemKind::app, "org.example.Music"}; // the fourth item: no colour of its own

class HistoryViewTest : public ::testing::Test, protected HistoryFixture
{
protected:
    HistoryViewTest()
    {
        settings.setChartColors(3);
        record(3, editor.id, 3600);
        record(3, terminal.id, 1800);
        record(3, music.id, 900);
        record(3, mail.id, 400);
        record(4, editor.id, 1200);
        record(4, mail.id, 600);
        record(5, editor.id, 30);
    }

    // The view in a window on the offscreen screen, reading the tracker.
    HistoryView& shown()
    {
        view = std::make_unique<HistoryView>(*tracker, icons, settings);
        view->resize(640, 560);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        view->setShown(true);
        return *view;
    }

    const Segment& piece(const QString& id) const
    {
        for (const Segment& segment : view->model().segments())
            if (segment.id == id)
                return segment;
        ADD_FAILURE() << "no piece " << id.toStdString();
        return view->model().segments().constFirst();
    }
    QPoint centreOf(const QString& id) const { return view->chart()->segmentRect(piece(id)).center().toPoint(); }
    // A point inside the plot over the day's slot, half way up.
    QPoint slotOf(int dayOfMonth) const
    {
        const ChartScale scale = view->chart()->scale();
        const QDateTime start = QDate(2025, 3, dayOfMonth).startOfDay(fake.clock.timeZone());
        const double x = (scale.x(start) + scale.x(start.addSecs(86400))) / 2;
        return QPointF(x, scale.plot().center().y()).toPoint();
    }
    void moveTo(const QPoint& point) { QTest::mouseMove(view->chart(), point); }
    void clickAt(const QPoint& point) { QTest::mouseClick(view->chart(), Qt::LeftButton, {}, point); }
    void tick(int seconds)
    {
        for (int t = 0; t < seconds; t += 5) {
            fake.clock.advance(5);
            tracker->tick();
        }
    }

    std::unique_ptr<HistoryView> view;
};

} // namespace

TEST_F(HistoryViewTest, TheHeadlineShowsThePeriodTotalAndTheAverageOfDaysWithAMinute)
{
    HistoryView& history = shown();
    EXPECT_EQ(history.model().days().size(), 7);
    EXPECT_EQ(history.headline()->title(), "Last 7 Days");
    EXPECT_EQ(history.headline()->total(), DurationText::string(8530));
    // 5 March has 30 seconds: it does not count as a day of use.
    EXPECT_EQ(history.headline()->average(), DurationText::string(8530 / 2.0));
    EXPECT_DOUBLE_EQ(history.chart()->average(), 8530 / 2.0);
    EXPECT_EQ(history.ring()->breakdown().summary.total, 8530);
    EXPECT_EQ(history.list()->items().size(), 4);
    EXPECT_EQ(history.chart()->axisLabels().size(), 7);
}

TEST_F(HistoryViewTest, PointingAtAPieceHighlightsItsItemEverywhere)
{
    HistoryView& history = shown();
    moveTo(centreOf("2025-03-03/0:org.example.Editor"));
    ASSERT_TRUE(history.model().hoveredSegment());
    EXPECT_EQ(history.model().hoveredSegment()->id, "2025-03-03/0:org.example.Editor");
    EXPECT_EQ(history.model().hoveredDay(), "2025-03-03");
    EXPECT_EQ(history.focus(), Focus::item(editor));
    EXPECT_EQ(history.ring()->imposedFocus(), Focus::item(editor));
    EXPECT_EQ(history.list()->highlighted(), editor);
    EXPECT_EQ(history.chart()->hoverLabel(), "1h  Editor");
    const Segment& otherDay = piece("2025-03-04/0:org.example.Editor");
    EXPECT_TRUE(QTest::qWaitFor([&] { return history.chart()->drawnOpacity(otherDay) == 1; }, 30000))
        << "the same item on another day";
    const Segment& otherItem = piece("2025-03-04/0:org.example.Mail");
    EXPECT_TRUE(QTest::qWaitFor([&] { return history.chart()->drawnOpacity(otherItem) == 0.25; }, 30000));

    // Music and Mail's 400 s on the 3rd make the grey piece above Terminal... Music has no colour of its own.
    moveTo(centreOf("2025-03-03/other"));
    EXPECT_EQ(history.focus(), Focus::other());
    EXPECT_EQ(history.focusedSlice(), "other");
    ASSERT_TRUE(history.ring()->emphasised());
    EXPECT_EQ(history.ring()->emphasised()->id, "other");
    EXPECT_EQ(history.list()->highlighted(), std::nullopt);
    EXPECT_EQ(history.chart()->hoverLabel(), DurationText::string(900) + "  Everything else");

    moveTo(QPoint(history.chart()->width() / 2, 2)); // above the plot
    EXPECT_EQ(history.model().hoveredDay(), std::nullopt);
    EXPECT_EQ(history.focus(), std::nullopt);
    EXPECT_EQ(history.chart()->hoverLabel(), std::nullopt);
}

TEST_F(HistoryViewTest, ClickingABarChoosesItsDayAndClickingAgainGoesBack)
{
    HistoryView& history = shown();
    clickAt(slotOf(4));
    EXPECT_EQ(history.model().selectedDay(), "2025-03-04");
    EXPECT_EQ(history.headline()->title(), "Yesterday");
    EXPECT_EQ(history.headline()->total(), DurationText::string(1800));
    EXPECT_EQ(history.headline()->average(), std::nullopt);
    EXPECT_FALSE(history.headline()->showAllDaysButton()->isHidden());
    EXPECT_EQ(history.ring()->breakdown().summary.total, 1800);
    EXPECT_EQ(history.list()->items().size(), 2);
    EXPECT_EQ(history.ring()->breakdown().colors, history.model().colors()) << "colours stay the period's";

    moveTo(QPoint(2, 2));
    EXPECT_EQ(history.chart()->drawnOpacity(piece("2025-03-03/0:org.example.Editor")), 0.3);
    EXPECT_EQ(history.chart()->drawnOpacity(piece("2025-03-04/0:org.example.Editor")), 1);

    clickAt(QPoint(slotOf(3).x(), 3)); // above the plot: nothing changes
    EXPECT_EQ(history.model().selectedDay(), "2025-03-04");
    clickAt(slotOf(4));
    EXPECT_EQ(history.model().selectedDay(), std::nullopt);
    EXPECT_EQ(history.headline()->title(), "Last 7 Days");

    clickAt(slotOf(2));
    EXPECT_EQ(history.headline()->title(),
              QLocale().toString(QDate(2025, 3, 2), DateLabels::formatWithoutYear(QLocale(), true, false)));
    EXPECT_EQ(history.headline()->total(), DurationText::string(0));
    QTest::mouseClick(history.headline()->showAllDaysButton(), Qt::LeftButton);
    EXPECT_EQ(history.model().selectedDay(), std::nullopt);
    EXPECT_EQ(history.ring()->breakdown().summary.total, 8530);
}

TEST_F(HistoryViewTest, ChoosingADayAnimatesTheHeadlineWhileNewDataDoesNot)
{
    HistoryView& history = shown();
    Headline& headline = *history.headline();
    EXPECT_FALSE(headline.totalIsRolling()) << "the first value is shown at once";
    EXPECT_FALSE(headline.rightSideIsMoving());
    EXPECT_EQ(headline.buttonOpacity(), 0);
    clickAt(slotOf(4));
    EXPECT_TRUE(headline.totalIsRolling());
    EXPECT_EQ(headline.total(), DurationText::string(1800)) << "the text is the new one from the start";
    EXPECT_TRUE(headline.rightSideIsMoving()) << "the average fades into the button";
    EXPECT_LT(headline.buttonOpacity(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !headline.totalIsRolling() && !headline.rightSideIsMoving(); }, 30000));
    EXPECT_EQ(headline.buttonOpacity(), 1);

    clickAt(slotOf(4));
    EXPECT_TRUE(headline.rightSideIsMoving()) << "and back";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !headline.totalIsRolling() && !headline.rightSideIsMoving(); }, 30000));
    EXPECT_EQ(headline.buttonOpacity(), 0);
    const QString before = headline.total();
    fake.workspace.setFront(app(editor.id, "Editor"));
    tracker->tick(); // the first sample only starts the count
    tick(120);
    EXPECT_NE(headline.total(), before);
    EXPECT_FALSE(headline.totalIsRolling());
    EXPECT_FALSE(headline.rightSideIsMoving());
}

TEST_F(HistoryViewTest, TitlesFollowTheClocksTodayAndThePeriod)
{
    HistoryView& history = shown();
    fake.clock.advance(24 * 3600); // past midnight, before the days are read again
    clickAt(slotOf(5));
    EXPECT_EQ(history.headline()->title(), "Yesterday") << "the newest day loaded is no longer today";
    clickAt(slotOf(5));

    const struct
    {
        Period period;
        const char* title;
    } rows[] = {
        {Period::today, "Today"},
        {Period::yesterday, "Yesterday"},
        {Period::week, "Last 7 Days"},
        {Period::month, "Last 30 Days"},
    };
    for (const auto& row : rows) {
        history.setPeriod(row.period);
        EXPECT_EQ(history.headline()->title(), row.title);
    }
}

TEST_F(HistoryViewTest, AtItsMinimumSizeTheWholeRingIsInside)
{
    HistoryView& history = shown();
    history.resize(history.minimumSizeHint());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_EQ(history.width(), HistoryView::minimumContentSize.width());
    const QWidget* picker = history.periodPicker();
    EXPECT_GE(history.height() - picker->geometry().bottom() - 1, HistoryView::minimumContentSize.height())
        << "the toolbar comes on top of the content's minimum";
    const QRect ring = history.ring()->geometry().translated(history.ring()->parentWidget()->mapTo(&history, QPoint()));
    EXPECT_EQ(ring.size(), history.ring()->sizeHint());
    EXPECT_LE(ring.bottom() + 1 + 20, history.height()) << "the ring and the bottom padding fit";
}

TEST_F(HistoryViewTest, ADayWithoutTimeShowsNoLabelWhileHovered)
{
    HistoryView& history = shown();
    moveTo(slotOf(1));
    EXPECT_EQ(history.model().hoveredDay(), "2025-03-01");
    EXPECT_EQ(history.chart()->hoverLabel(), std::nullopt);
    moveTo(slotOf(4));
    EXPECT_EQ(history.chart()->hoverLabel(), DurationText::string(1800)) << "above the stack: the day's total";
}

TEST_F(HistoryViewTest, ARowOfAnItemWithoutColourFocusesTheGreyPieces)
{
    HistoryView& history = shown();
    history.list()->setHovered(music);
    EXPECT_EQ(history.focus(), Focus::item(music));
    EXPECT_EQ(history.focusedSlice(), "other");
    EXPECT_EQ(history.list()->highlighted(), music);
    ASSERT_TRUE(history.ring()->emphasised());
    EXPECT_EQ(history.ring()->emphasised()->id, "other");
    const Segment& grey = piece("2025-03-03/other");
    const Segment& coloured = piece("2025-03-03/0:org.example.Editor");
    EXPECT_TRUE(QTest::qWaitFor([&] { return history.chart()->drawnOpacity(coloured) == 0.25; }, 30000));
    EXPECT_EQ(history.chart()->drawnOpacity(grey), 1);

    history.list()->setHovered(std::nullopt);
    EXPECT_EQ(history.focus(), std::nullopt);
    EXPECT_TRUE(QTest::qWaitFor([&] { return history.chart()->drawnOpacity(coloured) == 1; }, 30000));
}

TEST_F(HistoryViewTest, ReloadsOnlyWhenAWholeMinuteChangesAndOnlyWhileShown)
{
    fake.workspace.setFront(app(editor.id, "Editor"));
    store->add({UsageRow{"2025-03-05", editor, "Editor", 95}}); // 125 s today with the 30 s recorded
    tracker = std::make_unique<Tracker>(Tracker::Sampling::whenTold, fake.platform(), settings,
                                        Store::open(configDir.filePath("usage.sqlite")));
    tracker->tick(); // the first sample only starts the count
    HistoryView& history = shown();
    const auto today = [&] { return history.model().days().last().summary.items.first().seconds; };
    EXPECT_EQ(today(), 125);

    tick(45); // 170 s: still 2 minutes
    EXPECT_EQ(today(), 125) << "the earlier days stay";
    tick(15); // 185 s: the list was replaced as the third minute began, at 180 s
    EXPECT_EQ(today(), 180);

    history.setShown(false);
    tick(60);
    EXPECT_EQ(today(), 180) << "nothing is read while hidden";
    history.setShown(true);
    EXPECT_EQ(today(), 245);
}

TEST_F(HistoryViewTest, SwitchingThePeriodForgetsTheChosenDay)
{
    HistoryView& history = shown();
    PeriodPicker* picker = history.periodPicker();
    const int month = static_cast<int>(Period::month);
    ASSERT_EQ(picker->title(month), "30 Days");
    QTest::mouseClick(picker, Qt::LeftButton, {}, picker->segmentRect(month).center());
    EXPECT_EQ(history.period(), Period::month);
    EXPECT_EQ(history.model().days().size(), 30);
    EXPECT_EQ(history.headline()->title(), "Last 30 Days");
    EXPECT_EQ(history.chart()->axisLabels().size(), 6) << "a label every five days";

    clickAt(slotOf(4));
    EXPECT_EQ(history.model().selectedDay(), "2025-03-04");
    history.setPeriod(Period::week);
    EXPECT_EQ(history.model().selectedDay(), std::nullopt);
    EXPECT_EQ(history.model().days().size(), 7);
    EXPECT_EQ(picker->currentId(), static_cast<int>(Period::week));
    EXPECT_EQ(history.headline()->title(), "Last 7 Days");
}

TEST_F(HistoryViewTest, TheColourCountFollowsTheSettingAndTheRangeOnly)
{
    HistoryView& history = shown();
    EXPECT_EQ(history.model().colors().size(), 3);
    EXPECT_FALSE(history.model().colors().contains(music));
    settings.setChartColors(0); // the default: 8
    EXPECT_EQ(history.model().colors().size(), 4);
    EXPECT_EQ(history.ring()->breakdown().slices.size(), 4);
    settings.setChartColors(1);
    EXPECT_EQ(history.model().colors().size(), 3);
}

TEST_F(HistoryViewTest, ExcludingFromTheListRemovesTheItemFromEveryDay)
{
    HistoryView& history = shown();
    const UsageItem item = history.list()->items().first();
    ASSERT_EQ(item.key, editor);
    emit history.list()->excludeRequested(item);
    for (const Segment& segment : history.model().segments())
        EXPECT_NE(segment.key, editor) << segment.id.toStdString();
    EXPECT_EQ(history.headline()->total(), DurationText::string(8530 - 4830));
}

TEST_F(HistoryViewTest, ALimitHoldsEachDayOfThePeriodOrTheChosenDayAgainstItself)
{
    HistoryView& history = shown();
    settings.setDailyLimit(DailyLimit{0, editor.id, 30});
    // Editor: 1h on the 3rd, 20m on the 4th, 30s on the 5th; a week's 1h 20m is no measure of a daily limit.
    EXPECT_EQ(history.list()->limits().value(editor), (LimitMark{1800, 1800, 1, 7}));
    EXPECT_EQ(history.ring()->breakdown().slices.first().overSeconds, 1800);

    clickAt(slotOf(4));
    EXPECT_EQ(history.list()->limits().value(editor), (LimitMark{1800, 0, 0, 1}));
    EXPECT_EQ(history.ring()->breakdown().slices.first().overSeconds, 0);

    emit history.list()->limitRemovalRequested(history.list()->items().first());
    EXPECT_TRUE(settings.dailyLimits().isEmpty());
    EXPECT_TRUE(history.list()->limits().isEmpty());
}

TEST_F(HistoryViewTest, APreviewHoverIsShownWhenTheViewAppears)
{
    view = std::make_unique<HistoryView>(*tracker, icons, settings);
    view->setPreviewHover(PreviewHover{4, 1}); // 3 March, its second piece
    view->setShown(true);
    EXPECT_EQ(view->model().hoveredDay(), "2025-03-03");
    ASSERT_TRUE(view->model().hoveredSegment());
    EXPECT_EQ(view->model().hoveredSegment()->key, terminal);
    EXPECT_EQ(view->focus(), Focus::item(terminal));
}

TEST_F(HistoryViewTest, AllComputersAddsTheOtherComputersCopyOnlyWhenChosen)
{
    settings.setBackupFolder(configDir.filePath("Sync"));
    settings.setComputerId("this-one");
    BackupComputers others(settings);
    view = std::make_unique<HistoryView>(*tracker, icons, settings);
    view->setOtherComputers(&others);
    view->setShown(true);
    EXPECT_TRUE(view->computerSwitch()->isHidden()); // no other computer yet

    const QString laptop = configDir.filePath("Sync/Horavane/laptop");
    QDir().mkpath(laptop);
    Store::open(laptop + "/Horavane 2025-03-05.sqlite")->add({UsageRow{"2025-03-04", mail, "Mail", 3000}});
    view->setShown(false);
    view->setShown(true);
    EXPECT_FALSE(view->computerSwitch()->isHidden());
    const double mine = view->model().rangeSummary().total;

    const QList<QAbstractButton*> sides = view->computerSwitch()->findChildren<QAbstractButton*>();
    ASSERT_EQ(sides.size(), 2);
    EXPECT_EQ(sides[1]->text(), "All Computers");
    sides[1]->click();
    EXPECT_EQ(view->model().rangeSummary().total, mine + 3000);
    sides[0]->click();
    EXPECT_EQ(view->model().rangeSummary().total, mine);
}

TEST_F(HistoryViewTest, TheChartsDaysAreListItemsTheKeysPointAtAndChoose)
{
    HistoryView& history = shown();
    BarChart* chart = history.chart();
    QAccessibleInterface* days = QAccessible::queryAccessibleInterface(chart);
    ASSERT_EQ(days->childCount(), 7);
    EXPECT_EQ(days->child(5)->text(QAccessible::Name),
              QLocale().toString(QDate(2025, 3, 4), QLocale::LongFormat) + ", 30 minutes");
    EXPECT_EQ(days->childAt(chart->mapToGlobal(slotOf(3)).x(), chart->mapToGlobal(slotOf(3)).y()), days->child(4));

    history.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&history));
    chart->setFocus(Qt::TabFocusReason); // arriving by Tab points at today
    const struct
    {
        Qt::Key key;
        std::optional<QString> pointed;
        std::optional<QString> chosen;
        bool accepted;
    } steps[] = {
        {Qt::Key_unknown, "2025-03-05", std::nullopt, true},
        {Qt::Key_Left, "2025-03-04", std::nullopt, true},
        {Qt::Key_Return, "2025-03-04", "2025-03-04", true},
        {Qt::Key_Up, "2025-03-03", "2025-03-04", true},
        {Qt::Key_Space, "2025-03-03", "2025-03-03", true},
        {Qt::Key_Escape, "2025-03-03", std::nullopt, true},  // back to all days, the window stays
        {Qt::Key_Escape, "2025-03-03", std::nullopt, false}, // now the window's: it closes
        {Qt::Key_Home, "2025-02-27", std::nullopt, true},
    };
    for (const auto& step : steps) {
        if (step.key != Qt::Key_unknown) {
            QKeyEvent press(QEvent::KeyPress, step.key, Qt::NoModifier);
            QApplication::sendEvent(chart, &press);
            EXPECT_EQ(press.isAccepted(), step.accepted) << step.key;
        }
        EXPECT_EQ(history.model().hoveredDay(), step.pointed) << step.key;
        EXPECT_EQ(history.model().selectedDay(), step.chosen) << step.key;
        EXPECT_EQ(history.headline()->title() == "Last 7 Days", !step.chosen) << step.key;
        const int pointed = static_cast<int>(QDate(2025, 2, 27).daysTo(QDate::fromString(*step.pointed, Qt::ISODate)));
        EXPECT_TRUE(days->child(pointed)->state().focused) << step.key;
    }
}
