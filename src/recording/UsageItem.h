// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"

#include <QHash>
#include <QString>

// One line of a summary: an item, its display name and its seconds of use.
struct UsageItem
{
    ItemKey key;
    QString name;
    double seconds = 0;

    const ItemKey& id() const { return key; }
    bool operator==(const UsageItem&) const = default;
};

inline size_t qHash(const UsageItem& item, size_t seed = 0) noexcept
{
    const double seconds = item.seconds == 0 ? 0.0 : item.seconds; // +0 and -0 hash alike
    return qHashMulti(seed, rawValue(item.key.kind), item.key.id, item.name, seconds);
}

namespace std {
template <> struct hash<UsageItem>
{
    size_t operator()(const UsageItem& item) const noexcept { return qHash(item); }
};
} // namespace std

// One stored row: the seconds of one item on one day.
struct UsageRow
{
    QString day;
    ItemKey key;
    QString name;
    double seconds = 0;

    bool operator==(const UsageRow&) const = default;
};

// A display name with its seconds.
struct NamedSeconds
{
    QString name;
    double seconds = 0;

    bool operator==(const NamedSeconds&) const = default;
};

// One day's totals by item.
using DayTotals = QHash<ItemKey, NamedSeconds>;
