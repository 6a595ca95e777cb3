// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupComputers.h"

#include "BackupReader.h"
#include "Settings.h"

#include <QCoreApplication>

namespace {

// Why another computer's copy was skipped, as one line for the user.
QString skippedNote(const BackupFolder::Copy& copy, BackupReader::Fault fault)
{
    switch (fault) {
    case BackupReader::Fault::incomplete:
        //: %1: a computer's name; %2: the copy's day, such as "2025-03-05"
        return QCoreApplication::translate("BackupComputers", "Skipped the copy of %1 from %2: it is still arriving.")
            .arg(copy.computer, copy.day);
    case BackupReader::Fault::damaged:
        //: %1: a computer's name; %2: the copy's day, such as "2025-03-05"
        return QCoreApplication::translate("BackupComputers", "Skipped the copy of %1 from %2: it is damaged.")
            .arg(copy.computer, copy.day);
    case BackupReader::Fault::otherShape:
        break;
    }
    //: %1: a computer's name; %2: the copy's day, such as "2025-03-05"
    return QCoreApplication::translate("BackupComputers",
                                       "Skipped the copy of %1 from %2: it is not a Horavane history.")
        .arg(copy.computer, copy.day);
}

} // namespace

BackupComputers::BackupComputers(const Settings& settings) : m_settings(settings) {}

void BackupComputers::refresh()
{
    m_newest.clear();
    m_notes.clear();
    m_totals.clear();
    m_read = false;
    const QString self = m_settings.computerId();
    for (const BackupFolder::Copy& copy : BackupFolder::copies(m_settings.backupFolder(), self)) {
        if (copy.computerId == self)
            continue;
        if (m_newest.isEmpty() || m_newest.last().constFirst().computerId != copy.computerId)
            m_newest.append(QList<BackupFolder::Copy>());
        m_newest.last().append(copy); // copies() lists each computer's copies together, newest first
    }
}

QStringList BackupComputers::names() const
{
    QStringList names;
    for (const QList<BackupFolder::Copy>& copies : m_newest)
        names.append(copies.constFirst().computer);
    return names;
}

void BackupComputers::read(const QString& from, const QString& to)
{
    m_totals.clear();
    m_notes.clear();
    for (const QList<BackupFolder::Copy>& copies : std::as_const(m_newest)) {
        for (const BackupFolder::Copy& copy : copies) {
            BackupReader::Result result = BackupReader::days(copy.path, from, to);
            if (result.fault) {
                m_notes.append(skippedNote(copy, *result.fault));
                continue;
            }
            for (auto day = result.days.cbegin(); day != result.days.cend(); ++day) {
                DayTotals& totals = m_totals[day.key()];
                for (auto item = day->cbegin(); item != day->cend(); ++item) {
                    NamedSeconds& entry = totals[item.key()];
                    entry.seconds += item->seconds;
                    if (entry.name.isEmpty())
                        entry.name = item->name;
                }
            }
            break; // the newest whole copy holds all of that computer's history
        }
    }
    m_from = from;
    m_to = to;
    m_read = true;
}

QList<DayUsage> BackupComputers::addedTo(const QList<DayUsage>& days, const QHash<ItemKey, QString>& excluded)
{
    if (days.isEmpty() || m_newest.isEmpty())
        return days;
    const QString& from = days.constFirst().day;
    const QString& to = days.constLast().day;
    if (!m_read || from != m_from || to != m_to)
        read(from, to);
    QList<DayUsage> result = days;
    for (DayUsage& day : result) {
        const auto others = m_totals.constFind(day.day);
        if (others == m_totals.cend())
            continue;
        DayTotals totals = *others;
        for (auto it = excluded.cbegin(); it != excluded.cend(); ++it)
            totals.remove(it.key());
        // This computer's names come last, so they win where the computers name an item differently.
        day.summary = Summary::merging({Summary(totals), day.summary});
    }
    return result;
}
