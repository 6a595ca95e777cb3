// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Breakdown.h"

Breakdown::Breakdown(const Summary& summary, const QHash<ItemKey, AdaptiveColor>& colors, const LimitMarks& limits)
    : summary(summary), colors(colors)
{
    double sum = 0;
    for (const UsageItem& item : summary.items) {
        const auto color = colors.constFind(item.key);
        if (color == colors.constEnd())
            continue;
        const double over = limits.value(item.key).overSeconds;
        slices.append(Slice{Slice::idOf(item.key), item.name, item.seconds, *color, std::min(over, item.seconds)});
        sum += item.seconds;
    }
    const double rest = summary.total - sum;
    if (rest >= 1)
        slices.append(Slice{Slice::otherId, Slice::otherName(), rest, Palette::other()});
}

double Breakdown::slicesTotal() const
{
    double total = 0;
    for (const Slice& slice : slices)
        total += slice.seconds;
    return total;
}

const Slice* Breakdown::slice(const QString& id) const
{
    for (const Slice& slice : slices) {
        if (slice.id == id)
            return &slice;
    }
    return nullptr;
}
