// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ListedItems.h"

class Tracker;

// The items the user chose not to track, by name, each with a "Track Again" button; or a line
// saying nothing is excluded. Follows the tracker's exclusions.
class ExcludedList : public ListedItems
{
    Q_OBJECT
public:
    ExcludedList(Tracker& tracker, Icons& icons, QWidget* parent = nullptr);

    // The "Track Again" button of an item's row, or null when it has none.
    QPushButton* trackAgainButton(const ItemKey& key) const;

private:
    void rebuild();

    Tracker& m_tracker;
};
