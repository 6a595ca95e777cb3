// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LimitMarks.h"

#include "Settings.h"

LimitMarks limitMarks(const QList<DailyLimit>& limits, const QList<Summary>& days)
{
    LimitMarks marks;
    for (const DailyLimit& limit : limits) {
        const std::optional<ItemKind> kind = itemKindFromRaw(limit.kind);
        if (!kind)
            continue;
        LimitMark mark{limit.minutes * 60.0, 0, 0, static_cast<int>(days.size())};
        const ItemKey key{*kind, limit.id};
        for (const Summary& day : days) {
            for (const UsageItem& item : day.items) {
                if (item.key == key && item.seconds > mark.limitSeconds) {
                    mark.overSeconds += item.seconds - mark.limitSeconds;
                    ++mark.daysOver;
                }
            }
        }
        marks.insert(key, mark);
    }
    return marks;
}
