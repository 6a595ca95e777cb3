// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PreviewOptions.h"
#include "PreviewSample.h"
#include "BrowserFamily.h"

#include <gtest/gtest.h>

namespace {

const QTimeZone berlin("Europe/Berlin");
const QDateTime noon(QDate(2025, 3, 5), QTime(12, 0), berlin);

double secondsOf(const QList<UsageRow>& rows, const QString& day, const QString& id)
{
    for (const UsageRow& row : rows)
        if (row.day == day && row.key.id == id)
            return row.seconds;
    return -1;
}

} // namespace

TEST(PreviewSampleTest, TodayFollowsTheTableAndOtherDaysVary)
{
    const QList<UsageRow> rows = PreviewSample::entries(std::nullopt, noon, berlin);
    ASSERT_EQ(rows.size(), 300);
    EXPECT_EQ(rows.first().day, "2025-03-05");
    double today = 0;
    for (const UsageRow& row : rows)
        if (row.day == "2025-03-05")
            today += row.seconds;
    EXPECT_DOUBLE_EQ(today, 265 * 60);
    EXPECT_DOUBLE_EQ(secondsOf(rows, "2025-02-26", "org.gnome.Builder"), 58 * 60 * 1.4); // 7 days ago
    EXPECT_DOUBLE_EQ(secondsOf(rows, "2025-02-23", "org.gnome.Builder"), 58 * 60 * 0.5); // 10 days ago
    EXPECT_EQ(rows.last().day, "2025-02-04");
}

TEST(PreviewSampleTest, MinutesScaleEveryRow)
{
    const QList<UsageRow> plain = PreviewSample::entries(std::nullopt, noon, berlin);
    const QList<UsageRow> doubled = PreviewSample::entries(530, noon, berlin);
    for (qsizetype i = 0; i < plain.size(); ++i)
        EXPECT_DOUBLE_EQ(doubled[i].seconds, 2 * plain[i].seconds);
}

TEST(PreviewSampleTest, OneDayKeyPerDayAcrossTheSpringChange)
{
    const QDateTime afterChange(QDate(2025, 3, 31), QTime(0, 30), berlin);
    const QList<UsageRow> rows = PreviewSample::entries(std::nullopt, afterChange, berlin);
    QStringList days;
    for (const UsageRow& row : rows)
        if (!days.contains(row.day))
            days.append(row.day);
    EXPECT_EQ(days.size(), 30);
    EXPECT_EQ(days[1], "2025-03-30");
}

TEST(PreviewSampleTest, TheWelcomeFindsABrowserOfEachFamilyRunning)
{
    QList<BrowserFamily::Value> families;
    for (const RunningApp& app : PreviewSample::runningApplications())
        if (const std::optional<BrowserFamily> family = BrowserFamily::of(app.desktopId))
            families.append(*family);
    EXPECT_TRUE(families.contains(BrowserFamily::firefox));
    EXPECT_TRUE(families.contains(BrowserFamily::chromium));
}

TEST(PreviewOptionsTest, ViewsAndValues)
{
    const PreviewOptions defaults = PreviewOptions::parse({"--preview"});
    EXPECT_EQ(defaults.view, PreviewOptions::View::popover);
    EXPECT_EQ(defaults.period, Period::week);
    EXPECT_EQ(defaults.seconds, 6);
    EXPECT_EQ(defaults.colors, std::nullopt);

    EXPECT_EQ(PreviewOptions::parse({"--preview", "--window", "--icons"}).view, PreviewOptions::View::icons);
    EXPECT_EQ(PreviewOptions::parse({"--preview", "--welcome", "--settings"}).view, PreviewOptions::View::settings);
    EXPECT_EQ(PreviewOptions::parse({"--preview", "--dark", "--light"}).appearance,
              PreviewOptions::Appearance::light);

    const PreviewOptions history = PreviewOptions::parse(
        {"--preview", "--window", "--period", "month", "--minutes", "530", "--colors", "5", "--seconds", "2.5",
         "--pointer", "10,20", "--png", "/tmp/out.png"});
    EXPECT_EQ(history.view, PreviewOptions::View::history);
    EXPECT_EQ(history.period, Period::month);
    EXPECT_EQ(history.minutes, 530);
    EXPECT_EQ(history.colors, 5);
    EXPECT_EQ(history.seconds, 2.5);
    EXPECT_EQ(history.pointer, QPointF(10, 20));
    EXPECT_EQ(history.png, "/tmp/out.png");
}

TEST(PreviewOptionsTest, UnreadableValuesCountAsAbsent)
{
    const PreviewOptions options = PreviewOptions::parse(
        {"--preview", "--period", "Month", "--minutes", "lots", "--colors", "many", "--seconds", "soon"});
    EXPECT_EQ(options.period, Period::week);
    EXPECT_EQ(options.minutes, std::nullopt);
    EXPECT_EQ(options.colors, std::nullopt);
    EXPECT_EQ(options.seconds, 6);
    for (const char* pointer : {"10", "1,2,3", "a,b", ",,"})
        EXPECT_EQ(PreviewOptions::parse({"--preview", "--pointer", pointer}).pointer, std::nullopt) << pointer;
    EXPECT_EQ(PreviewOptions::parse({"--preview", "--pointer", ",10,,x,20"}).pointer, QPointF(10, 20));
    EXPECT_EQ(PreviewOptions::parse({"--preview", "--colors"}).colors, std::nullopt); // last argument
}
