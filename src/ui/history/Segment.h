// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"
#include "Palette.h"

#include <QDateTime>
#include <QString>
#include <optional>

// One piece of one day's bar: an item's time on that day, or the grey remainder.
struct Segment
{
    QString id;      // day key + "/" + sliceID, unique within the chart
    QString day;     // day key of the bar
    QDateTime date;  // start of that day
    QString sliceID; // the ring's slice id of the item, or "other" for the remainder
    std::optional<ItemKey> key;
    QString name;
    double seconds = 0;
    AdaptiveColor color;

    bool operator==(const Segment&) const = default;
};

// A hover imposed from outside, as the preview mode shows it: the index of a day and of a piece of its bar.
struct PreviewHover
{
    int day = 0;
    int piece = 0;
};
