// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class Icons;
class QLabel;
class QPushButton;

// Applications and websites as the settings' lists show them: by readable name, in reading order, each row an
// icon and the name before its buttons; or a line saying the list is empty. Site icons follow their favicons.
class ListedItems : public QWidget
{
    Q_OBJECT
public:
    // Makes a row's buttons, first to last, with the row as their parent; `name` is the name the row shows.
    using ButtonMaker = std::function<QList<QPushButton*>(const ItemKey& key, const QString& name, QWidget* row)>;

    ListedItems(Icons& icons, const QString& emptyText, QWidget* parent = nullptr);

    // Runs the action once the button's click has been handled: an action that changes the list deletes the button.
    static void afterClick(QPushButton* button, QObject* context, std::function<void()> action);

    // Replaces the rows with one per item (key and recorded name, empty when none is known).
    void setItems(const QHash<ItemKey, QString>& items, const ButtonMaker& makeButtons);

    // The rows' names, first to last.
    QStringList names() const;
    // The button of an item's row at `index`, first to last; null when there is none.
    QPushButton* button(const ItemKey& key, qsizetype index) const;
    QLabel* emptyText() const { return m_empty; }

private:
    struct Row
    {
        ItemKey key;
        QString name;
        QWidget* widget = nullptr;
        QLabel* icon = nullptr;
        QList<QPushButton*> buttons = {};
    };

    void makeRow(Row& row, const ButtonMaker& makeButtons);
    void paintIcon(const Row& row);

    Icons& m_icons;
    QLabel* m_empty = nullptr;
    QList<Row> m_rows;
};
