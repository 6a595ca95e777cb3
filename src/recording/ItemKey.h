// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <optional>

// What kind of thing was used. The raw values are stored in the database.
enum class ItemKind : int { app = 0, site = 1 };

// 0 → app, 1 → site, anything else → none.
std::optional<ItemKind> itemKindFromRaw(qint64 raw);
inline int rawValue(ItemKind kind) { return static_cast<int>(kind); }

// The identity of one tracked thing: an application identifier or a website host.
struct ItemKey
{
    ItemKind kind = ItemKind::app;
    QString id;

    bool operator==(const ItemKey&) const = default;
};

inline size_t qHash(const ItemKey& key, size_t seed = 0) noexcept
{
    return qHashMulti(seed, rawValue(key.kind), key.id);
}

namespace std {
template <> struct hash<ItemKey>
{
    size_t operator()(const ItemKey& key) const noexcept { return qHash(key); }
};
} // namespace std
