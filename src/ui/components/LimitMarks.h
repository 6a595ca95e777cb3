// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"
#include "Summary.h"

#include <QHash>
#include <QList>

struct DailyLimit;

// How a limited item's time stands against its daily limit over the days a view shows.
struct LimitMark
{
    double limitSeconds = 0;
    double overSeconds = 0; // the time past the limit, day by day, added up
    int daysOver = 0;       // the days on which the time passed the limit
    int days = 0;           // the days looked at

    bool operator==(const LimitMark&) const = default;
};

using LimitMarks = QHash<ItemKey, LimitMark>;

// The mark of every limited item, whether or not it was used on the days; each day is held against the limit on
// its own, so a week's time is never compared with one day's limit.
LimitMarks limitMarks(const QList<DailyLimit>& limits, const QList<Summary>& days);
