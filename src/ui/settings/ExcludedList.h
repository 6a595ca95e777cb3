// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"

#include <QList>
#include <QWidget>

class Icons;
class QLabel;
class QPushButton;
class Tracker;

// The items the user chose not to track, by name, each with a "Track Again" button; or a line
// saying nothing is excluded. Follows the tracker's exclusions.
class ExcludedList : public QWidget
{
    Q_OBJECT
public:
    ExcludedList(Tracker& tracker, Icons& icons, QWidget* parent = nullptr);

    // The excluded items in the order shown: by name, localized and case-insensitive.
    QList<ItemKey> keys() const;
    QStringList names() const;
    // The "Track Again" button of an item's row, or null when it has none.
    QPushButton* trackAgainButton(const ItemKey& key) const;
    QLabel* emptyText() const { return m_empty; }

private:
    struct Row
    {
        ItemKey key;
        QString name;
        QWidget* widget = nullptr;
        QLabel* icon = nullptr;
        QPushButton* button = nullptr;
    };

    void rebuild();
    void paintIcon(const Row& row);

    Tracker& m_tracker;
    Icons& m_icons;
    QLabel* m_empty = nullptr;
    QList<Row> m_rows;
};
