// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExcludedList.h"

#include "Tracker.h"
#include "WriteFailure.h"

#include <QPushButton>

ExcludedList::ExcludedList(Tracker& tracker, Icons& icons, QWidget* parent)
    : ListedItems(icons, tr("Nothing is excluded."), parent), m_tracker(tracker)
{
    connect(&m_tracker, &Tracker::excludedChanged, this, &ExcludedList::rebuild);
    rebuild();
}

QPushButton* ExcludedList::trackAgainButton(const ItemKey& key) const
{
    return button(key, 0);
}

void ExcludedList::rebuild()
{
    setItems(m_tracker.excluded(), [this](const ItemKey& key, const QString& name, QWidget* row) {
        auto* again = new QPushButton(tr("Track Again"), row);
        // One per row: the name says which.
        //: %1: an app's or website's name
        again->setAccessibleName(tr("Track %1 again").arg(name));
        // The tracker announces the change, which rebuilds this list.
        afterClick(again, this, [this, key] {
            if (!m_tracker.include(key))
                WriteFailure::tell(this);
        });
        return QList<QPushButton*>{again};
    });
}
