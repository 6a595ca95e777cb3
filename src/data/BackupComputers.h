// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BackupFolder.h"
#include "Summary.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class Settings;

// The other computers of a shared backup folder, added to this computer's history: of each, the
// newest copy that reads whole. Read-only; nothing of theirs is ever written. A copy that cannot be
// read is skipped with a note, and the computer's next newest copy is used instead.
class BackupComputers
{
public:
    explicit BackupComputers(const Settings& settings);

    // Looks for the other computers' copies again (the folder and its contents may have changed),
    // and forgets what was read. Blocking file work.
    void refresh();
    // Whether another computer has a copy in the backup folder (as of the last refresh).
    bool hasOthers() const { return !m_newest.isEmpty(); }
    // The computers added, by name.
    QStringList names() const;

    // The days with the other computers' time added day by day; items excluded here stay out. The
    // copies are read once for the days' span and kept until the next refresh or another span.
    QList<DayUsage> addedTo(const QList<DayUsage>& days, const QHash<ItemKey, QString>& excluded);
    // Why copies were skipped, one line each in the user's language, since the last refresh.
    const QStringList& notes() const { return m_notes; }

private:
    void read(const QString& from, const QString& to);

    const Settings& m_settings;
    QList<QList<BackupFolder::Copy>> m_newest; // per other computer, its copies newest first
    QString m_from, m_to;                      // the span read
    bool m_read = false;
    QHash<QString, DayTotals> m_totals; // the other computers' totals by day
    QStringList m_notes;
};
