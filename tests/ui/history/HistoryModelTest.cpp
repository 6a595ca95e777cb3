// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryModel.h"

#include <gtest/gtest.h>

namespace {

const QTimeZone berlin("Europe/Berlin");
const ItemKey editor{ItemKind::app, "org.example.Editor"};
const ItemKey terminal{ItemKind::app, "org.example.Terminal"};
const ItemKey news{ItemKind::site, "news.example.org"};
const ItemKey mail{ItemKind::app, "org.example.Mail"};

DayUsage day(int dayOfMonth, const QList<std::pair<ItemKey, double>>& items)
{
    DayTotals totals;
    for (const auto& [key, seconds] : items)
        totals.insert(key, NamedSeconds{key.id.section('.', -1), seconds});
    const QDate date(2025, 3, dayOfMonth);
    return DayUsage{date.toString(Qt::ISODate), date.startOfDay(berlin), Summary(totals)};
}

QHash<ItemKey, AdaptiveColor> colorsFor(const QList<ItemKey>& keys)
{
    QHash<ItemKey, AdaptiveColor> colors;
    for (qsizetype i = 0; i < keys.size(); ++i)
        colors.insert(keys[i], Palette::slices()[i]);
    return colors;
}

HistoryModel modelOf(const QList<DayUsage>& days, const QList<ItemKey>& colored)
{
    HistoryModel model(Period::week);
    model.reload(days);
    model.setColors(colorsFor(colored));
    return model;
}

QStringList ids(const QList<Segment>& segments)
{
    QStringList result;
    for (const Segment& segment : segments)
        result.append(segment.id);
    return result;
}

} // namespace

TEST(HistorySegments, PiecesFollowTheColouredItemsAndAGreyRestOfAtLeastASecond)
{
    const struct
    {
        const char* name;
        QList<DayUsage> days;
        QList<ItemKey> colored;
        QStringList ids;
    } rows[] = {
        {"one item, no rest", {day(3, {{editor, 600}})}, {editor}, {"2025-03-03/0:org.example.Editor"}},
        {"uncoloured items under a second",
         {day(3, {{editor, 600}, {mail, 0.6}})},
         {editor},
         {"2025-03-03/0:org.example.Editor"}},
        {"uncoloured items of exactly a second",
         {day(3, {{editor, 600}, {mail, 1.0}})},
         {editor},
         {"2025-03-03/0:org.example.Editor", "2025-03-03/other"}},
        {"sites carry kind 1, days stay in order",
         {day(3, {{news, 300}, {editor, 200}}), day(4, {{terminal, 50}, {mail, 40}})},
         {news, editor, terminal},
         {"2025-03-03/1:news.example.org", "2025-03-03/0:org.example.Editor", "2025-03-04/0:org.example.Terminal",
          "2025-03-04/other"}},
        {"an empty day adds nothing",
         {day(3, {}), day(4, {{editor, 90}})},
         {editor},
         {"2025-03-04/0:org.example.Editor"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ids(HistoryModel::segments(row.days, colorsFor(row.colored))), row.ids) << row.name;
}

TEST(HistorySegments, TheRestIsGreyAndNamedEverythingElse)
{
    const QList<Segment> segments =
        HistoryModel::segments({day(4, {{editor, 600}, {mail, 100}, {terminal, 50}})}, colorsFor({editor}));
    ASSERT_EQ(segments.size(), 2);
    const Segment& rest = segments[1];
    EXPECT_EQ(rest.sliceID, "other");
    EXPECT_EQ(rest.name, "Everything else");
    EXPECT_FALSE(rest.key.has_value());
    EXPECT_DOUBLE_EQ(rest.seconds, 150);
    EXPECT_EQ(rest.color, Palette::other());
    EXPECT_EQ(segments[0].key, editor);
    EXPECT_EQ(segments[0].color, Palette::slices()[0]);
    EXPECT_EQ(segments[0].date, QDate(2025, 3, 4).startOfDay(berlin));
}

TEST(HistoryAverage, OnlyDaysWithAMinuteOrMoreCount)
{
    const struct
    {
        const char* name;
        QList<DayUsage> days;
        double average;
    } rows[] = {
        {"no days", {}, 0},
        {"only empty and short days", {day(1, {}), day(2, {{editor, 59.9}})}, 0},
        {"short days add their time but are not counted",
         {day(1, {{editor, 3600}}), day(2, {{editor, 30}}), day(3, {}), day(4, {{editor, 60}})},
         (3600 + 30 + 60) / 2.0},
    };
    for (const auto& row : rows) {
        HistoryModel model;
        model.reload(row.days);
        EXPECT_DOUBLE_EQ(model.average(model.rangeSummary().total), row.average) << row.name;
    }
}

TEST(HistoryFocus, AnUncolouredItemFocusesTheGreyPieces)
{
    const auto colors = colorsFor({editor, news});
    EXPECT_EQ(HistoryModel::focusedSlice(std::nullopt, colors), std::nullopt);
    EXPECT_EQ(HistoryModel::focusedSlice(Focus::other(), colors), "other");
    EXPECT_EQ(HistoryModel::focusedSlice(Focus::item(editor), colors), "0:org.example.Editor");
    EXPECT_EQ(HistoryModel::focusedSlice(Focus::item(news), colors), "1:news.example.org");
    EXPECT_EQ(HistoryModel::focusedSlice(Focus::item(mail), colors), "other");
}

TEST(HistoryOpacity, FocusThenSelectionThenHover)
{
    HistoryModel model = modelOf({day(3, {{editor, 600}, {mail, 100}}), day(4, {{editor, 300}})}, {editor});
    const QList<Segment> segments = model.segments();
    ASSERT_EQ(segments.size(), 3);
    const Segment& editor3 = segments[0];
    const Segment& rest3 = segments[1];
    const Segment& editor4 = segments[2];
    const std::optional<QString> none;

    EXPECT_EQ(model.opacity(editor3, none), 1);
    model.setHover(QStringLiteral("2025-03-04"), std::nullopt);
    EXPECT_EQ(model.opacity(editor3, none), 0.55) << "hovering another day";
    EXPECT_EQ(model.opacity(editor4, none), 1) << "the hovered day";

    model.click(QStringLiteral("2025-03-03"));
    EXPECT_EQ(model.opacity(editor3, none), 1) << "the selected day";
    EXPECT_EQ(model.opacity(editor4, none), 1) << "the hovered day beside a selection";
    model.setHover(std::nullopt, std::nullopt);
    EXPECT_EQ(model.opacity(editor4, none), 0.3) << "neither selected nor hovered";

    EXPECT_EQ(model.opacity(rest3, QStringLiteral("other")), 1) << "the focused slice wins over the selection";
    EXPECT_EQ(model.opacity(editor3, QStringLiteral("other")), 0.25);
    EXPECT_EQ(model.opacity(editor4, QStringLiteral("0:org.example.Editor")), 1);
}

TEST(HistoryReload, KeepsTheDaysWhileEveryItemKeepsItsWholeMinutes)
{
    HistoryModel model;
    EXPECT_TRUE(model.reload({day(3, {}), day(4, {{editor, 125}})}));
    EXPECT_FALSE(model.reload({day(3, {}), day(4, {{editor, 170}})}));
    EXPECT_EQ(model.days()[1].summary.items[0].seconds, 125) << "the earlier list stays";
    EXPECT_TRUE(model.reload({day(3, {}), day(4, {{editor, 185}})}));
    EXPECT_EQ(model.days()[1].summary.items[0].seconds, 185);
    EXPECT_TRUE(model.reload({day(4, {}), day(5, {{editor, 185}})})) << "other days";
    EXPECT_TRUE(model.reload({day(4, {}), day(5, {{editor, 185}, {mail, 1}})})) << "a new item";
    EXPECT_TRUE(model.reload({day(5, {{editor, 185}, {mail, 1}})})) << "fewer days";
}

TEST(HistoryReload, AHoveredPieceFollowsItsNewNumbersOrGoes)
{
    HistoryModel model = modelOf({day(3, {{editor, 600}, {mail, 100}})}, {editor});
    model.setHover(QStringLiteral("2025-03-03"), model.segments()[0]);
    model.reload({day(3, {{editor, 900}, {mail, 100}})});
    ASSERT_TRUE(model.hoveredSegment());
    EXPECT_EQ(model.hoveredSegment()->seconds, 900);
    model.reload({day(3, {{mail, 100}})});
    EXPECT_FALSE(model.hoveredSegment());
    EXPECT_EQ(model.hoveredDay(), "2025-03-03");
}

TEST(HistoryPointer, TheStackIsWalkedFromTheBottom)
{
    // 1 h of the editor, then 0.5 h of the rest.
    HistoryModel model = modelOf({day(3, {{editor, 3600}, {mail, 1800}}), day(4, {{editor, 7200}})}, {editor});
    const QString day3 = QStringLiteral("2025-03-03");
    const struct
    {
        double hours;
        std::optional<QString> slice;
    } rows[] = {{-0.01, std::nullopt}, {0, "0:org.example.Editor"}, {1.0, "0:org.example.Editor"}, {1.01, "other"},
                {1.5, "other"},        {1.51, std::nullopt}};
    for (const auto& row : rows) {
        const std::optional<Segment> segment = model.segmentAt(day3, row.hours);
        EXPECT_EQ(segment ? std::optional(segment->sliceID) : std::nullopt, row.slice) << row.hours;
        if (segment) {
            EXPECT_EQ(segment->day, day3) << "only the pointed day's pieces count";
        }
    }
}

TEST(HistoryPointer, DaysOutsideThePeriodAreNone)
{
    HistoryModel model = modelOf({day(3, {}), day(4, {{editor, 60}})}, {editor});
    EXPECT_EQ(model.dayKeyOf(QDateTime(QDate(2025, 3, 4), QTime(23, 59), berlin)), "2025-03-04");
    EXPECT_EQ(model.dayKeyOf(QDateTime(QDate(2025, 3, 5), QTime(0, 0), berlin)), std::nullopt);
    EXPECT_EQ(model.dayKeyOf(QDateTime()), std::nullopt);
}

TEST(HistorySelection, ClickingTheSelectedDayClearsItAndNoDayChangesNothing)
{
    HistoryModel model = modelOf({day(3, {{editor, 600}}), day(4, {{mail, 300}})}, {editor});
    EXPECT_FALSE(model.click(std::nullopt));
    EXPECT_TRUE(model.click(QStringLiteral("2025-03-04")));
    EXPECT_EQ(model.shownSummary().items[0].key, mail);
    EXPECT_TRUE(model.click(QStringLiteral("2025-03-03")));
    EXPECT_EQ(model.selectedDay(), "2025-03-03");
    EXPECT_TRUE(model.click(QStringLiteral("2025-03-03")));
    EXPECT_EQ(model.selectedDay(), std::nullopt);
    EXPECT_EQ(model.shownSummary().total, 900) << "the whole period again";

    model.click(QStringLiteral("2025-03-03"));
    model.setPeriod(Period::month);
    EXPECT_EQ(model.selectedDay(), std::nullopt) << "another period forgets the day";
}

TEST(HistorySelection, ADayThatLeftThePeriodIsNoLongerShown)
{
    HistoryModel model = modelOf({day(3, {{editor, 600}}), day(4, {{mail, 300}})}, {editor});
    model.click(QStringLiteral("2025-03-03"));
    model.reload({day(4, {{mail, 300}}), day(5, {})});
    EXPECT_EQ(model.selectedDayUsage(), nullptr);
    EXPECT_EQ(model.shownSummary().total, 300);
}

TEST(HistoryHover, TheLabelShowsThePieceOrTheDayAndNothingForAnEmptyDay)
{
    HistoryModel model = modelOf({day(3, {{editor, 600}, {mail, 100}}), day(4, {})}, {editor});
    EXPECT_EQ(model.hoverSeconds(QStringLiteral("2025-03-03")), 700);
    model.setHover(QStringLiteral("2025-03-03"), model.segments()[1]);
    EXPECT_EQ(model.hoverSeconds(QStringLiteral("2025-03-03")), 100);
    EXPECT_EQ(model.hoverSeconds(QStringLiteral("2025-03-04")), std::nullopt);
    EXPECT_EQ(model.hoverSeconds(QStringLiteral("2025-02-01")), std::nullopt);
}

TEST(HistoryHover, SetHoverReportsOnlyChanges)
{
    HistoryModel model = modelOf({day(3, {{editor, 600}})}, {editor});
    const Segment piece = model.segments()[0];
    EXPECT_TRUE(model.setHover(QStringLiteral("2025-03-03"), std::nullopt));
    EXPECT_FALSE(model.setHover(QStringLiteral("2025-03-03"), std::nullopt));
    EXPECT_TRUE(model.setHover(QStringLiteral("2025-03-03"), piece));
    EXPECT_FALSE(model.setHover(QStringLiteral("2025-03-03"), piece));
    EXPECT_TRUE(model.setHover(std::nullopt, std::nullopt));
}

TEST(HistoryHover, APreviewHoverPicksADayAndAPieceByIndex)
{
    HistoryModel model = modelOf({day(3, {{editor, 600}, {mail, 100}}), day(4, {{editor, 60}})}, {editor});
    EXPECT_FALSE(model.applyPreviewHover({2, 0})) << "no third day";
    EXPECT_FALSE(model.applyPreviewHover({-1, 0}));
    EXPECT_TRUE(model.applyPreviewHover({0, 1}));
    EXPECT_EQ(model.hoveredDay(), "2025-03-03");
    ASSERT_TRUE(model.hoveredSegment());
    EXPECT_EQ(model.hoveredSegment()->sliceID, "other");
    EXPECT_TRUE(model.applyPreviewHover({1, 1}));
    EXPECT_EQ(model.hoveredDay(), "2025-03-04");
    EXPECT_FALSE(model.hoveredSegment()) << "that day has one piece";
}
