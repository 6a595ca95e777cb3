// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsTexts.h"
#include "MarkingTranslator.h"

#include <QTimeZone>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const QDateTime now(QDate(2025, 3, 5), QTime(12, 0));

struct RelativeCase
{
    const char* name;
    QDateTime date;
    const char* text;
};

class RelativeDateTest : public ::testing::TestWithParam<RelativeCase>
{
};

TEST_P(RelativeDateTest, NamesTheLargestUnitThatDiffers)
{
    EXPECT_EQ(SettingsTexts::relativeDate(GetParam().date, now), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Texts, RelativeDateTest,
                         ::testing::Values(RelativeCase{"same_moment", now, "Now"},
                                           RelativeCase{"one_second", now.addSecs(-1), "1 Second Ago"},
                                           RelativeCase{"seconds", now.addSecs(-30), "30 Seconds Ago"},
                                           RelativeCase{"one_minute", now.addSecs(-60), "1 Minute Ago"},
                                           RelativeCase{"minutes", now.addSecs(-5 * 60 - 20), "5 Minutes Ago"},
                                           RelativeCase{"hours", now.addSecs(-3 * 3600 - 59), "3 Hours Ago"},
                                           RelativeCase{"yesterday", now.addDays(-1), "Yesterday"},
                                           RelativeCase{"yesterday_and_hours", now.addSecs(-26 * 3600), "Yesterday"},
                                           RelativeCase{"days", now.addDays(-3), "3 Days Ago"},
                                           RelativeCase{"a_week", now.addDays(-7), "Last Week"},
                                           RelativeCase{"weeks", now.addDays(-15), "2 Weeks Ago"},
                                           RelativeCase{"a_month", now.addMonths(-1), "Last Month"},
                                           RelativeCase{"months", now.addMonths(-2).addDays(-3), "2 Months Ago"},
                                           RelativeCase{"a_year", now.addYears(-1).addDays(-40), "Last Year"},
                                           RelativeCase{"years", now.addYears(-3), "3 Years Ago"},
                                           RelativeCase{"hours_ahead", now.addSecs(2 * 3600), "In 2 Hours"},
                                           RelativeCase{"tomorrow", now.addDays(1), "Tomorrow"}),
                         [](const auto& info) { return std::string(info.param.name); });

double secondsOf(const QDateTime& date)
{
    return static_cast<double>(date.toMSecsSinceEpoch()) / 1000.0;
}

TEST(BackupStatusTest, AProblemHidesTheDate)
{
    EXPECT_EQ(SettingsTexts::backupStatus(QStringLiteral("Couldn't write to the backup folder"),
                                          secondsOf(now.addDays(-1)), now),
              QStringLiteral("Couldn't write to the backup folder"));
}

TEST(BackupStatusTest, NeverBackedUpReadsNotYet)
{
    for (const double never : {0.0, -5.0, std::nan(""), std::numeric_limits<double>::infinity(), 1e300})
        EXPECT_EQ(SettingsTexts::backupStatus(QString(), never, now), QStringLiteral("Not yet")) << never;
}

TEST(BackupStatusTest, RelativeDayThenShortTimeOfDayInTheLocale)
{
    const QDateTime last(QDate(2025, 3, 4), QTime(9, 41));
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QString status = SettingsTexts::backupStatus(QString(), secondsOf(last), now, english);
    EXPECT_EQ(status, QStringLiteral("Yesterday at ") + english.toString(QTime(9, 41), QLocale::ShortFormat));
    EXPECT_TRUE(status.contains(QStringLiteral("9:41"))) << status.toStdString();

    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(SettingsTexts::backupStatus(QString(), secondsOf(now.addSecs(-7200)), now, german),
              QStringLiteral("2 Hours Ago at 10:00"));
    // A locale whose short format has seconds still gives a short clock time.
    EXPECT_EQ(SettingsTexts::backupStatus(QString(), secondsOf(last.addSecs(15)), now, QLocale::c()),
              QStringLiteral("Yesterday at 09:41"));
}

TEST(TranslatedTextsTest, WholeSentencesInTheUsersLanguage)
{
    // A language that puts the time of day first.
    const MarkingTranslator translation({{"%1 at %2", QStringLiteral("%2, %1")}});
    const QLocale german(QLocale::German, QLocale::Germany);
    const struct
    {
        QString text;
        const char* expected;
    } cases[] = {
        {SettingsTexts::backupStatus(QString(), secondsOf(now.addSecs(-7200)), now, german), "10:00, [2 Hours Ago]"},
        {SettingsTexts::backupStatus(QString(), secondsOf(now.addDays(-1)), now, german), "12:00, [Yesterday]"},
        {SettingsTexts::backupStatus(QString(), 0, now), "[Not yet]"},
        // Problems are stored in English and shown translated.
        {SettingsTexts::backupStatus(QStringLiteral("Couldn't write to the backup folder"), 0, now),
         "[Couldn't write to the backup folder]"},
        {SettingsTexts::idleChoice(5), "[5 minutes idle]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, QString::fromUtf8(c.expected));
}

TEST(IdleChoiceTest, OneMinuteIsSingular)
{
    EXPECT_EQ(SettingsTexts::idleChoice(1), QStringLiteral("1 minute idle"));
    EXPECT_EQ(SettingsTexts::idleChoice(2), QStringLiteral("2 minutes idle"));
    EXPECT_EQ(SettingsTexts::idleChoice(30), QStringLiteral("30 minutes idle"));
}

struct TitleCase
{
    const char* name;
    const char* day;
    QLocale locale;
    const char* title;
};

class CopyTitleTest : public ::testing::TestWithParam<TitleCase>
{
};

TEST_P(CopyTitleTest, LongDateOrTheDayTextUnchanged)
{
    EXPECT_EQ(SettingsTexts::copyTitle(QString::fromUtf8(GetParam().day), GetParam().locale),
              QString::fromUtf8(GetParam().title));
}

const QLocale us(QLocale::English, QLocale::UnitedStates);

INSTANTIATE_TEST_SUITE_P(
    Titles, CopyTitleTest,
    ::testing::Values(
        TitleCase{"day_key", "2025-03-04", us, "March 4, 2025"}, TitleCase{"unpadded", "2025-3-4", us, "March 4, 2025"},
        TitleCase{"empty_pieces_dropped", "2025--03-04-", us, "March 4, 2025"},
        TitleCase{"unreadable_piece_dropped", "2025-x-03-04", us, "March 4, 2025"},
        TitleCase{"german_order", "2025-03-04", QLocale(QLocale::German, QLocale::Germany), "4. M\u00e4rz 2025"},
        TitleCase{"japanese_units", "2025-03-04", QLocale(QLocale::Japanese, QLocale::Japan),
                  "2025\u5e743\u67084\u65e5"},
        TitleCase{"no_such_day", "2025-02-30", us, "2025-02-30"}, TitleCase{"two_numbers", "2025-03", us, "2025-03"},
        TitleCase{"four_numbers", "2025-03-04-1", us, "2025-03-04-1"}, TitleCase{"words", "latest", us, "latest"},
        TitleCase{"too_large", "2025-03-99999999999", us, "2025-03-99999999999"},
        TitleCase{"spaces_are_not_numbers", "2025- 03-04", us, "2025- 03-04"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LongDateFormatTest, DropsOnlyTheWeekday)
{
    for (const QLocale& locale :
         {us, QLocale(QLocale::French, QLocale::France), QLocale(QLocale::German),
          QLocale(QLocale::Spanish, QLocale::Spain), QLocale(QLocale::Chinese, QLocale::China)}) {
        const QString format = SettingsTexts::longDateFormat(locale);
        EXPECT_FALSE(format.contains(QStringLiteral("ddd"))) << format.toStdString();
        EXPECT_TRUE(format.contains(QLatin1Char('y')) && format.contains(QLatin1Char('M')) &&
                    format.contains(QLatin1Char('d')))
            << format.toStdString();
        EXPECT_EQ(format, format.trimmed()) << format.toStdString();
    }
}

} // namespace
