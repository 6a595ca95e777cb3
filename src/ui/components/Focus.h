// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"

#include <QMetaType>
#include <optional>

// What the ring or the list points at: one tracked item, or the remainder slice. Used as an optional:
// the absent value means nothing is in focus.
struct Focus
{
    enum class Kind
    {
        item,
        other,
    };

    Kind kind = Kind::other;
    ItemKey key; // only for Kind::item

    static Focus item(const ItemKey& key);
    static Focus other();

    // Same case and, for an item, the same key.
    bool operator==(const Focus& other) const;
};

Q_DECLARE_METATYPE(Focus)
Q_DECLARE_METATYPE(std::optional<Focus>)
