// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChartScale.h"
#include "DateLabels.h"

#include <QTimeZone>
#include <gtest/gtest.h>

TEST(DateLabels, TodayYesterdayOrTheFullDateWithoutYear)
{
    const QDate today(2025, 3, 5);
    const struct
    {
        const char* locale;
        QDate date;
        QString title;
    } rows[] = {
        {"en_US", today, "Today"},
        {"de_DE", today.addDays(-1), "Yesterday"},
        {"en_US", QDate(2025, 3, 3), "Monday, March 3"},
        {"en_GB", QDate(2025, 3, 3), "Monday, 3 March"},
        {"de_DE", QDate(2025, 3, 3), "Montag, 3. März"},
        {"fr_FR", QDate(2025, 3, 3), "lundi 3 mars"},
        {"es_ES", QDate(2025, 3, 3), "lunes, 3 de marzo"},               // the year's connecting word goes too
        {"ja_JP", QDate(2025, 3, 3), QString::fromUtf8("3月3日月曜日")}, // and a year's unit
        {"ru_RU", QDate(2025, 3, 3), QString::fromUtf8("понедельник, 3 марта")},
        {"en_US", today.addDays(1), "Thursday, March 6"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DateLabels::title(row.date, today, QLocale(row.locale)), row.title) << row.locale;
}

TEST(DateLabels, AxisLabelsAreTheWeekdayOrTheDayAndShortMonth)
{
    const QDate date(2025, 3, 3);
    EXPECT_EQ(DateLabels::axisLabel(date, true, QLocale("en_US")), "Mon");
    EXPECT_EQ(DateLabels::axisLabel(date, true, QLocale("de_DE")), "Mo")
        << "the standalone name, as calendars write it";
    EXPECT_EQ(DateLabels::axisLabel(date, false, QLocale("en_US")), "Mar 3");
    EXPECT_EQ(DateLabels::axisLabel(date, false, QLocale("de_DE")), "3. März");
    for (const char* name : {"ja_JP", "ko_KR", "ru_RU", "zh_CN", "ar_EG", "hu_HU"}) {
        const QString label = DateLabels::axisLabel(date, false, QLocale(name));
        EXPECT_FALSE(label.contains("2025")) << name << " " << label.toStdString();
        EXPECT_FALSE(label.isEmpty()) << name;
    }
}

TEST(ChartScale, StepsAreRoundAndTheTopCoversTheTallestBar)
{
    const struct
    {
        double max;
        double step;
        double top;
    } rows[] = {
        {7.3, 2, 8}, {8, 2, 8}, {3.1, 1, 4}, {0.3, 0.1, 0.3}, {0.95, 0.25, 1}, {0, 0.25, 1}, {14, 5, 15},
    };
    const QDateTime start(QDate(2025, 3, 1), QTime(0, 0), QTimeZone("Europe/Berlin"));
    for (const auto& row : rows) {
        const ChartScale scale(QRectF(0, 16, 300, 100), start, start.addDays(7), row.max);
        EXPECT_DOUBLE_EQ(scale.topHours(), row.top) << row.max;
        ASSERT_GE(scale.ticks().size(), 2) << row.max;
        EXPECT_DOUBLE_EQ(scale.ticks()[1], row.step) << row.max;
        EXPECT_DOUBLE_EQ(scale.ticks().last(), row.top) << row.max;
        EXPECT_LE(scale.ticks().size(), 6) << row.max;
    }
}

TEST(ChartScale, PositionsAndValuesConvertBothWays)
{
    const QDateTime start(QDate(2025, 3, 1), QTime(0, 0), QTimeZone("Europe/Berlin"));
    const ChartScale scale(QRectF(10, 16, 700, 100), start, start.addDays(7), 4);
    EXPECT_DOUBLE_EQ(scale.x(start), 10);
    EXPECT_DOUBLE_EQ(scale.x(start.addDays(1)), 110);
    EXPECT_EQ(scale.date(160), start.addSecs(36 * 3600));
    EXPECT_DOUBLE_EQ(scale.y(0), 116);
    EXPECT_DOUBLE_EQ(scale.y(4), 16);
    EXPECT_DOUBLE_EQ(scale.hours(66), 2);
    EXPECT_FALSE(ChartScale(QRectF(0, 0, 100, 100), start, start, 1).date(50).isValid()) << "no span, no date";
}
