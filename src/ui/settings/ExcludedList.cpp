// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExcludedList.h"

#include "Icons.h"
#include "ListedItems.h"
#include "Theme.h"
#include "Tracker.h"
#include "WriteFailure.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ExcludedList::ExcludedList(Tracker& tracker, Icons& icons, QWidget* parent)
    : QWidget(parent), m_tracker(tracker), m_icons(icons)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    m_empty = new QLabel(tr("Nothing is excluded."), this);
    m_empty->setFont(Theme::font(TextStyle::body));
    Theme::useSecondaryText(m_empty);
    layout->addWidget(m_empty);

    connect(&m_tracker, &Tracker::excludedChanged, this, &ExcludedList::rebuild);
    connect(&m_icons, &Icons::faviconsChanged, this, [this](const QString& host) {
        for (const Row& row : std::as_const(m_rows))
            if (row.key == ItemKey{ItemKind::site, host})
                paintIcon(row);
    });
    rebuild();
}

QList<ItemKey> ExcludedList::keys() const
{
    QList<ItemKey> keys;
    for (const Row& row : m_rows)
        keys.append(row.key);
    return keys;
}

QStringList ExcludedList::names() const
{
    QStringList names;
    for (const Row& row : m_rows)
        names.append(row.name);
    return names;
}

QPushButton* ExcludedList::trackAgainButton(const ItemKey& key) const
{
    for (const Row& row : m_rows)
        if (row.key == key)
            return row.button;
    return nullptr;
}

void ExcludedList::rebuild()
{
    for (const Row& row : std::as_const(m_rows))
        delete row.widget;
    m_rows.clear();

    const QHash<ItemKey, QString>& excluded = m_tracker.excluded();
    for (auto it = excluded.cbegin(); it != excluded.cend(); ++it)
        m_rows.append(Row{it.key(), ListedItems::shownName(it.key(), it.value())});
    ListedItems::sortByName(m_rows);

    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    for (Row& row : m_rows) {
        row.widget = new QWidget(this);
        QHBoxLayout* line = ListedItems::startLine(row.widget, row.name, &row.icon);
        row.button = new QPushButton(tr("Track Again"), row.widget);
        row.button->setFont(Theme::font(TextStyle::callout));
        // One per row: the name says which.
        //: %1: an app's or website's name
        row.button->setAccessibleName(tr("Track %1 again").arg(row.name));
        line->addWidget(row.button);
        const ItemKey key = row.key;
        // The tracker announces the change, which rebuilds this list; the button goes with its row,
        // so the rebuild waits until the click has been handled.
        connect(row.button, &QPushButton::clicked, this, [this, key] {
            QMetaObject::invokeMethod(
                this,
                [this, key] {
                    if (!m_tracker.include(key))
                        WriteFailure::tell(this);
                },
                Qt::QueuedConnection);
        });
        paintIcon(row);
        layout->addWidget(row.widget);
    }
    m_empty->setVisible(m_rows.isEmpty());
}

void ExcludedList::paintIcon(const Row& row)
{
    ListedItems::paintIcon(row.icon, m_icons, row.key);
}
