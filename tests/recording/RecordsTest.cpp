// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DurationText.h"
#include "Glance.h"
#include "Period.h"
#include "ScalarOrder.h"
#include "Summary.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <unordered_set>

namespace {

const QTimeZone berlin("Europe/Berlin");

UsageItem item(const QString& id, double seconds, const QString& name = {})
{
    return UsageItem{ItemKey{ItemKind::app, id}, name.isEmpty() ? id : name, seconds};
}

QStringList ids(const Summary& summary)
{
    QStringList result;
    for (const UsageItem& i : summary.items)
        result.append(i.key.id);
    return result;
}

QDateTime berlinTime(int y, int m, int d, int h, int min)
{
    return QDateTime(QDate(y, m, d), QTime(h, min), berlin);
}

} // namespace

TEST(ItemKeys, KindsFromRawValues)
{
    EXPECT_EQ(itemKindFromRaw(0), ItemKind::app);
    EXPECT_EQ(itemKindFromRaw(1), ItemKind::site);
    EXPECT_EQ(itemKindFromRaw(2), std::nullopt);
    EXPECT_EQ(itemKindFromRaw(-1), std::nullopt);
}

TEST(ItemKeys, AppAndSiteWithTheSameIdAreDistinctKeys)
{
    const ItemKey asApp{ItemKind::app, "example.com"};
    const ItemKey asSite{ItemKind::site, "example.com"};
    EXPECT_NE(asApp, asSite);
    QHash<ItemKey, int> qtMap{{asApp, 1}, {asSite, 2}};
    std::unordered_map<ItemKey, int> stdMap{{asApp, 1}, {asSite, 2}};
    EXPECT_EQ(qtMap.size(), 2);
    EXPECT_EQ(stdMap.size(), 2u);
}

TEST(UsageItems, EqualityComparesNamesButIdentityIsTheKey)
{
    const UsageItem a = item("x", 5, "Old");
    const UsageItem b = item("x", 5, "New");
    EXPECT_NE(a, b);
    EXPECT_EQ(a.id(), b.id());
}

TEST(UsageItems, SignedZerosHashAlike)
{
    EXPECT_EQ(item("x", 0.0), item("x", -0.0));
    EXPECT_EQ(qHash(item("x", 0.0)), qHash(item("x", -0.0)));
    std::unordered_set<UsageItem> set{item("x", 0.0), item("x", -0.0)};
    EXPECT_EQ(set.size(), 1u);
}

TEST(ScalarOrder, ComparesCodePointsNotUtf16Units)
{
    const QString supplementary = QString::fromUcs4(U"\U0001F600"); // above U+FFFF, stored as surrogates
    const QString privateUse = QString(QChar(0xE000));
    EXPECT_LT(QString::compare(supplementary, privateUse), 0); // UTF-16 order puts it first…
    EXPECT_GT(compareByScalars(supplementary, privateUse), 0); // …the code point order does not
    EXPECT_LT(compareByScalars(u"B", u"a"), 0);                // case-sensitive, no locale
    EXPECT_LT(compareByScalars(u"ab", u"abc"), 0);
    EXPECT_EQ(compareByScalars(u"same", u"same"), 0);
}

TEST(Summaries, SortBySecondsThenByName)
{
    const DayTotals totals{{ItemKey{ItemKind::app, "A"}, {"A", 30}},
                           {ItemKey{ItemKind::app, "B"}, {"B", 90}},
                           {ItemKey{ItemKind::app, "C"}, {"C", 30}}};
    const Summary summary(totals);
    EXPECT_EQ(ids(summary), QStringList({"B", "A", "C"}));
    EXPECT_EQ(summary.total, 150);
}

TEST(Summaries, SitesReadInTheirOwnLettersUnderTheirAsciiId)
{
    const ItemKey site{ItemKind::site, "xn--bcher-kva.de"};
    const ItemKey app{ItemKind::app, "xn--bcher-kva.de"}; // an application's name is never decoded
    const Summary summary(DayTotals{{site, {"xn--bcher-kva.de", 20}}, {app, {"xn--bcher-kva.de", 10}}});
    ASSERT_EQ(summary.items.size(), 2);
    EXPECT_EQ(summary.items[0].key, site);
    EXPECT_EQ(summary.items[0].name, QStringLiteral("bücher.de"));
    EXPECT_EQ(summary.items[1].name, QStringLiteral("xn--bcher-kva.de"));
}

TEST(Summaries, EqualSecondsOrderNamesByScalarValues)
{
    const DayTotals totals{{ItemKey{ItemKind::app, "emoji"}, {QString::fromUcs4(U"\U0001F600"), 10}},
                           {ItemKey{ItemKind::app, "private"}, {QString(QChar(0xE000)), 10}},
                           {ItemKey{ItemKind::app, "lower"}, {"a", 10}},
                           {ItemKey{ItemKind::app, "upper"}, {"Z", 10}}};
    EXPECT_EQ(ids(Summary(totals)), QStringList({"upper", "lower", "private", "emoji"}));
}

TEST(Summaries, EqualityIncludesTheTotal)
{
    Summary a(DayTotals{{ItemKey{ItemKind::app, "A"}, {"A", 30}}});
    Summary b = a;
    EXPECT_EQ(a, b);
    b.total = 31;
    EXPECT_NE(a, b);
    EXPECT_EQ(Summary().total, 0);
}

TEST(Summaries, MergingAddsSecondsAndKeepsTheLastName)
{
    Summary first(DayTotals{{ItemKey{ItemKind::app, "K"}, {"Old", 10}}, {ItemKey{ItemKind::site, "K"}, {"K", 1}}});
    Summary second(DayTotals{{ItemKey{ItemKind::app, "K"}, {"New", 5}}});
    const Summary merged = Summary::merging({first, second});
    ASSERT_EQ(merged.items.size(), 2);
    EXPECT_EQ(merged.items[0], (UsageItem{ItemKey{ItemKind::app, "K"}, "New", 15}));
    EXPECT_EQ(merged.total, 16);
    EXPECT_EQ(Summary::merging({}), Summary());
}

TEST(Summaries, LookTheSameWhenWholeMinutesMatchInOrder)
{
    const auto summaryOf = [](const QList<UsageItem>& items, double total) {
        Summary s;
        s.items = items;
        s.total = total;
        return s;
    };
    const Summary a = summaryOf({item("x", 61, "one"), item("y", 10)}, 71);
    EXPECT_TRUE(a.looksSame(summaryOf({item("x", 119, "other"), item("y", 59)}, 999)));
    EXPECT_FALSE(a.looksSame(summaryOf({item("y", 10), item("x", 61)}, 71)));  // swapped
    EXPECT_FALSE(a.looksSame(summaryOf({item("x", 61), item("y", 60)}, 121))); // 59 vs 60 s
    EXPECT_FALSE(a.looksSame(summaryOf({item("x", 61)}, 61)));
    Summary asSite = a;
    asSite.items[1].key.kind = ItemKind::site;
    EXPECT_FALSE(a.looksSame(asSite));
}

TEST(DurationTexts, Table)
{
    const struct
    {
        double seconds;
        const char* text;
    } rows[] = {
        {0, "0m"},    {59.9, "<1m"},   {-5, "0m"},      {std::nan(""), "0m"}, {60, "1m"},       {3599, "59m"},
        {3600, "1h"}, {3660, "1h 1m"}, {3900, "1h 5m"}, {90000, "25h"},       {7199, "1h 59m"}, {1e7, "2777h 46m"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DurationText::string(row.seconds), QString::fromLatin1(row.text)) << row.seconds;
}

// Compact durations take the locale's digits but never a group separator, which would split "2777h".
TEST(DurationTexts, CompactDigitsComeFromTheLocale)
{
    const struct
    {
        QLocale locale;
        const char* text;
    } rows[] = {
        {QLocale(QLocale::German, QLocale::Germany), "2777h 46m"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "2777h 46m"},
        {QLocale(QLocale::Arabic, QLocale::Egypt), "\u0662\u0667\u0667\u0667h \u0664\u0666m"},
    };
    for (const auto& row : rows) {
        QLocale::setDefault(row.locale);
        EXPECT_EQ(DurationText::string(1e7), QString::fromUtf8(row.text)) << qPrintable(row.locale.name());
    }
    QLocale::setDefault(QLocale::system());
}

TEST(DurationTexts, Spoken)
{
    const struct
    {
        double seconds;
        const char* text;
    } rows[] = {
        {0, "0 minutes"},
        {30, "less than a minute"},
        {60, "1 minute"},
        {3599, "59 minutes"},
        {3600, "1 hour"},
        {3660, "1 hour 1 minute"},
        {5520, "1 hour 32 minutes"},
        {7200, "2 hours"},
        {7260, "2 hours 1 minute"},
        {9000, "2 hours 30 minutes"},
        {std::nan(""), "0 minutes"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DurationText::spoken(row.seconds), QString::fromLatin1(row.text)) << row.seconds;
}

TEST(Glances, SharesAppearFromOneMinute)
{
    EXPECT_EQ(Glance(Summary(DayTotals{{ItemKey{ItemKind::app, "a"}, {"a", 59}}})), Glance());
    const Glance one(Summary(DayTotals{{ItemKey{ItemKind::app, "a"}, {"a", 60}}}));
    EXPECT_EQ(one.minutes, 1);
    EXPECT_EQ(one.shares, QList<int>({100}));
}

TEST(Glances, SharesAreEvenPercentagesRoundedHalfAway)
{
    const Glance twoToOne(
        Summary(DayTotals{{ItemKey{ItemKind::app, "a"}, {"a", 120}}, {ItemKey{ItemKind::app, "b"}, {"b", 60}}}));
    EXPECT_EQ(twoToOne.shares, QList<int>({66, 34}));
    EXPECT_EQ(twoToOne.minutes, 3);
    const Glance tiny(
        Summary(DayTotals{{ItemKey{ItemKind::app, "a"}, {"a", 60}}, {ItemKey{ItemKind::app, "b"}, {"b", 1}}}));
    EXPECT_EQ(tiny.shares, QList<int>({98, 2}));
    // 99 and 1 of 100 are both exactly half a step: both round up, and the shares add up to 102.
    const Glance half(
        Summary(DayTotals{{ItemKey{ItemKind::app, "a"}, {"a", 99}}, {ItemKey{ItemKind::app, "b"}, {"b", 1}}}));
    EXPECT_EQ(half.shares, QList<int>({100, 2}));
}

TEST(Glances, AtMostEightShares)
{
    DayTotals totals;
    for (int i = 0; i < 10; ++i)
        totals.insert(ItemKey{ItemKind::app, QString::number(i)}, {QString::number(i), 60.0 + i});
    EXPECT_EQ(Glance(Summary(totals)).shares.size(), 8);
}

TEST(Periods, RawValuesAreExact)
{
    EXPECT_EQ(Periods::fromRaw(u"week"), Period::week);
    EXPECT_EQ(Periods::fromRaw(u"Today"), std::nullopt);
    EXPECT_EQ(Periods::fromRaw(u""), std::nullopt);
    for (Period period : Periods::all)
        EXPECT_EQ(Periods::fromRaw(Periods::rawValue(period)), period);
}

TEST(DayKeys, ZeroPaddedAndOrderedAsText)
{
    EXPECT_EQ(Day::string(berlinTime(2025, 3, 5, 12, 0), berlin), "2025-03-05");
    EXPECT_LT(Day::string(berlinTime(2025, 12, 9, 12, 0), berlin),
              Day::string(berlinTime(2025, 12, 10, 12, 0), berlin));
    EXPECT_EQ(Day::string(QDateTime(QDate(987, 1, 2), QTime(12, 0), QTimeZone::utc()), QTimeZone::utc()), "0987-01-02");
}

TEST(DayKeys, FollowTheGivenZoneNotTheMomentsOwn)
{
    const QDateTime lateUtc(QDate(2025, 3, 5), QTime(23, 30), QTimeZone::utc());
    EXPECT_EQ(Day::string(lateUtc, QTimeZone::utc()), "2025-03-05");
    EXPECT_EQ(Day::string(lateUtc, berlin), "2025-03-06");
}

TEST(DayKeys, AcrossDaylightSavingChanges)
{
    // Berlin skips 02:00–03:00 on 30 March 2025 and repeats 02:00–03:00 on 26 October 2025.
    EXPECT_EQ(Day::string(berlinTime(2025, 3, 30, 0, 30), berlin), "2025-03-30");
    EXPECT_EQ(Day::string(berlinTime(2025, 3, 30, 23, 59), berlin), "2025-03-30");
    EXPECT_EQ(Day::string(berlinTime(2025, 10, 26, 23, 59), berlin), "2025-10-26");
    const QDateTime lastMomentOfShortDay = QDate(2025, 3, 31).startOfDay(berlin).addSecs(-1);
    EXPECT_EQ(Day::string(lastMomentOfShortDay, berlin), "2025-03-30");
}

TEST(PeriodDates, WeekAtHalfPastMidnightOnMonday)
{
    const QDateTime monday = berlinTime(2025, 3, 10, 0, 30);
    const QList<QDateTime> week = Periods::dates(Period::week, monday, berlin);
    ASSERT_EQ(week.size(), 7);
    EXPECT_EQ(week.first(), berlinTime(2025, 3, 4, 0, 0)); // Tuesday
    EXPECT_EQ(week.last(), berlinTime(2025, 3, 10, 0, 0));
    for (int i = 1; i < week.size(); ++i)
        EXPECT_LT(week[i - 1], week[i]);
    EXPECT_EQ(Periods::dates(Period::yesterday, monday, berlin), QList<QDateTime>({berlinTime(2025, 3, 9, 0, 0)}));
    EXPECT_EQ(Periods::dates(Period::today, monday, berlin), QList<QDateTime>({berlinTime(2025, 3, 10, 0, 0)}));
    EXPECT_EQ(Periods::dates(Period::month, monday, berlin).size(), 30);
}

TEST(PeriodDates, SpanDaylightSavingChangesWithOneStartPerDay)
{
    for (const QDateTime& now : {berlinTime(2025, 4, 2, 12, 0), berlinTime(2025, 10, 29, 1, 0)}) {
        const QList<QDateTime> week = Periods::dates(Period::week, now, berlin);
        ASSERT_EQ(week.size(), 7);
        QStringList keys;
        for (const QDateTime& start : week) {
            EXPECT_EQ(start.toTimeZone(berlin).time(), QTime(0, 0));
            keys.append(Day::string(start, berlin));
        }
        keys.removeDuplicates();
        EXPECT_EQ(keys.size(), 7);
    }
    // The week around the spring change holds a 23-hour day.
    const QList<QDateTime> spring = Periods::dates(Period::week, berlinTime(2025, 4, 2, 12, 0), berlin);
    EXPECT_EQ(spring[3].secsTo(spring[4]), 23 * 3600); // 30 → 31 March
}
