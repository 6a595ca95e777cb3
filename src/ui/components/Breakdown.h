// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"
#include "LimitMarks.h"
#include "Palette.h"
#include "Slice.h"
#include "Summary.h"

#include <QHash>
#include <QList>

// The data of one ring: the summary, the colour of each coloured item and the slices in ring order.
struct Breakdown
{
    Summary summary;
    QHash<ItemKey, AdaptiveColor> colors;
    QList<Slice> slices;

    Breakdown() = default;
    // One slice per coloured item in summary order, then "Everything else" when at least a second remains. A
    // limited item's slice carries its time past the limit.
    Breakdown(const Summary& summary, const QHash<ItemKey, AdaptiveColor>& colors, const LimitMarks& limits = {});

    // Sum of the slices' seconds.
    double slicesTotal() const;
    // The slice with this id, if any.
    const Slice* slice(const QString& id) const;

    bool operator==(const Breakdown&) const = default;
};
