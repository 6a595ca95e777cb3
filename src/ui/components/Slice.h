// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"
#include "Palette.h"

#include <QString>

// One sector of the ring: an item with a colour of its own, or the grey remainder.
struct Slice
{
    QString id; // "<kind raw value>:<item id>", or otherId for the remainder
    QString name;
    double seconds = 0;
    AdaptiveColor color;
    double overSeconds = 0; // the end of the slice that is past the item's daily limit

    bool operator==(const Slice&) const = default;

    static inline const QString otherId = QStringLiteral("other");
    // The remainder's name, in the user's language.
    static QString otherName();

    // The id of an item's slice, shared by the ring, the list and the history bars.
    static QString idOf(const ItemKey& key);
};
