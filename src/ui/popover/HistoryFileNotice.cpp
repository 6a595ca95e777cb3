// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryFileNotice.h"

#include "Theme.h"
#include "Tracker.h"

#include <QLabel>
#include <QVBoxLayout>

HistoryFileNotice::HistoryFileNotice(const Tracker& tracker, QWidget* parent) : QWidget(parent), m_tracker(tracker)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 4);
    m_label = new QLabel(this);
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);                       // a path is shown as written, never as markup
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse); // so the path can be copied
    m_label->setFont(Theme::font(TextStyle::callout));
    m_label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    layout->addWidget(m_label);
    connect(&tracker, &Tracker::historyFileChanged, this, &HistoryFileNotice::update);
    update();
}

QString HistoryFileNotice::text(const Tracker& tracker)
{
    if (tracker.keepsTimeInMemoryOnly())
        return tr("Horavane can't open its history file right now, so the time it records is kept in memory. It "
                  "is written to the file as soon as the file opens.");
    const QString aside = tracker.damagedHistoryCopy();
    if (!aside.isEmpty())
        //: %1 is the path of the damaged file's copy
        return tr("The history file was damaged, so Horavane started a new one. The old file was kept as %1.")
            .arg(aside);
    return {};
}

void HistoryFileNotice::update()
{
    const QString notice = text(m_tracker);
    m_label->setText(notice);
    setVisible(!notice.isEmpty());
}
