// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "UsageItem.h"

#include <QDateTime>
#include <QList>

// Totals of a day or a period: one item per key, most used first.
struct Summary
{
    QList<UsageItem> items; // seconds descending, equal seconds by name in scalar order
    double total = 0;

    Summary() = default;
    // Items sorted from one day's totals; total added up in that order.
    explicit Summary(const DayTotals& totals);

    // The items of all summaries added up per key; the name of the last summary holding a key wins.
    static Summary merging(const QList<Summary>& summaries);

    // Same items in the same order, each with the same whole minutes: nothing on screen would change.
    bool looksSame(const Summary& other) const;

    bool operator==(const Summary&) const = default;
};

// One calendar day of usage.
struct DayUsage
{
    QString day;    // day key
    QDateTime date; // start of the day
    Summary summary;

    const QString& id() const { return day; }
    bool operator==(const DayUsage&) const = default;
};
