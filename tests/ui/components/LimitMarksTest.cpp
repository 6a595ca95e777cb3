// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LimitMarks.h"
#include "Settings.h"

#include <gtest/gtest.h>

namespace {

Summary dayWith(const QList<std::pair<QString, double>>& sites)
{
    DayTotals totals;
    for (const auto& [host, seconds] : sites)
        totals.insert(ItemKey{ItemKind::site, host}, NamedSeconds{host, seconds});
    return Summary(totals);
}

} // namespace

TEST(LimitMarks, EachDayIsHeldAgainstTheLimitOnItsOwn)
{
    const ItemKey news{ItemKind::site, "news.example"};
    const QList<DailyLimit> limits{{1, "news.example", 60}, {0, "news.example", 30}, {7, "odd", 30}};
    const struct
    {
        const char* name;
        QList<Summary> days;
        LimitMark news;
    } cases[] = {
        {"not used", {dayWith({})}, {3600, 0, 0, 1}},
        {"exactly at the limit is not over", {dayWith({{"news.example", 3600}})}, {3600, 0, 0, 1}},
        {"over on one day", {dayWith({{"news.example", 5400}})}, {3600, 1800, 1, 1}},
        {"a week whose total passes one day's limit, but no day does",
         {dayWith({{"news.example", 3000}}), dayWith({{"news.example", 3000}}), dayWith({})},
         {3600, 0, 0, 3}},
        {"the time past the limit adds up over the days that passed it",
         {dayWith({{"news.example", 4000}}), dayWith({{"news.example", 100}}), dayWith({{"news.example", 7200}})},
         {3600, 4000, 2, 3}},
    };
    for (const auto& each : cases) {
        const LimitMarks marks = limitMarks(limits, each.days);
        EXPECT_EQ(marks.value(news), each.news) << each.name;
        EXPECT_EQ(marks.size(), 2) << each.name << ": an app of the same id is another item; an unknown kind none";
        EXPECT_TRUE(marks.contains(ItemKey{ItemKind::app, "news.example"})) << each.name;
    }
}
