// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BackupFolder.h"

#include <QList>
#include <QObject>
#include <QString>
#include <optional>

class Backup;
class Places;
class Settings;
class Tracker;

// What the user does with backups from the settings window: switching them on, choosing the folder,
// listing the copies and restoring one. Listing and fetching run in the background; their results come
// back by signal on the main thread.
class BackupController : public QObject
{
    Q_OBJECT
public:
    enum class RestoreOutcome
    {
        restored,
        unreadable, // the copy could not be fetched from the backup folder
        unusable,   // the copy holds no history that could replace this one
    };

    BackupController(Tracker& tracker, Settings& settings, Backup& backup, const Places& places,
                     QObject* parent = nullptr);

    // Switches backups on or off; switched on, today's copy is made at once and holds everything
    // recorded up to now.
    void setDailyBackup(bool on);
    // Makes the folder the backup folder; with backups on, a copy is made there at once.
    void setFolder(const QString& folder);
    // Lists the copies again; only the latest request is answered.
    void reloadCopies();
    // Replaces the history by the copy after fetching it; ignored while another restore runs.
    void restore(const BackupFolder::Copy& copy);
    // Whether a restore is fetching or applying a copy.
    bool isRestoring() const { return m_restoring; }

signals:
    void copiesListed(const QList<BackupFolder::Copy>& copies);
    void restoreFinished(const BackupFolder::Copy& copy, BackupController::RestoreOutcome outcome);

private:
    void finishRestore(const BackupFolder::Copy& copy, const std::optional<QString>& file);

    Tracker& m_tracker;
    Settings& m_settings;
    Backup& m_backup;
    const Places& m_places;
    bool m_restoring = false;
    quint64 m_copiesRequest = 0; // only the latest listing is answered
};
