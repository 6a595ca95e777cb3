// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"

#include <QCollator>
#include <QList>
#include <QString>

#include <algorithm>

class Icons;
class QHBoxLayout;
class QLabel;
class QWidget;

// Applications and websites as the settings' lists show them: by readable name, in reading order, each row an
// icon and the name before its buttons.
namespace ListedItems {

// A site reads in its own letters; its id stays the ASCII form it was recorded under. Without a name, the id.
QString shownName(const ItemKey& key, const QString& name);

// Rows (with `key` and `name`) by name as people read them, case aside and numbers by value; equal names keep a
// fixed order between rebuilds.
template <typename Row> void sortByName(QList<Row>& rows)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(rows.begin(), rows.end(), [&collator](const Row& a, const Row& b) {
        const int order = collator.compare(a.name, b.name);
        return order != 0 ? order < 0 : a.key.id < b.key.id;
    });
}

// Lays out the row's icon and name; the buttons go after them on the line returned.
QHBoxLayout* startLine(QWidget* row, const QString& name, QLabel** icon);

void paintIcon(QLabel* icon, Icons& icons, const ItemKey& key);

} // namespace ListedItems
