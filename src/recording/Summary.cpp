// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Summary.h"

#include "ScalarOrder.h"
#include "Site.h"

#include <algorithm>
#include <cmath>

Summary::Summary(const DayTotals& totals)
{
    items.reserve(totals.size());
    for (auto it = totals.cbegin(); it != totals.cend(); ++it)
        // A site reads in its own letters wherever a summary is shown; its id keeps the ASCII form.
        items.append(
            UsageItem{it.key(), it.key().kind == ItemKind::site ? Site::displayHost(it->name) : it->name, it->seconds});
    std::stable_sort(items.begin(), items.end(), [](const UsageItem& a, const UsageItem& b) {
        if (a.seconds != b.seconds)
            return a.seconds > b.seconds;
        return compareByScalars(a.name, b.name) < 0;
    });
    for (const UsageItem& item : std::as_const(items))
        total += item.seconds;
}

Summary Summary::merging(const QList<Summary>& summaries)
{
    DayTotals merged;
    for (const Summary& summary : summaries) {
        for (const UsageItem& item : summary.items) {
            NamedSeconds& entry = merged[item.key];
            entry.seconds += item.seconds;
            entry.name = item.name;
        }
    }
    return Summary(merged);
}

bool Summary::looksSame(const Summary& other) const
{
    if (items.size() != other.items.size())
        return false;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const UsageItem& a = items[i];
        const UsageItem& b = other.items[i];
        if (a.key != b.key || std::trunc(a.seconds / 60) != std::trunc(b.seconds / 60))
            return false;
    }
    return true;
}
