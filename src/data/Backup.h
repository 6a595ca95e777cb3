// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BackupFolder.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>

class Clock;
class Places;
class Settings;
class Store;

// When the daily copy of the history database is made, and what its outcome was: at most one copy a
// day, retried an hour after a failure, one backup at a time in the process. The file work is
// BackupFolder's and runs in the background; scheduling and outcomes belong to the main thread.
class Backup : public QObject
{
    Q_OBJECT
public:
    // What a backup made now ended in: the copy's path, or the problem in the user's language.
    struct Outcome
    {
        QString path;
        std::optional<QString> problem;
    };

    // Message stored in "backupProblem" when the database could not be copied; the folder's own
    // problems are worded by the platform's texts. Problems are stored in English, so the stored
    // text does not change with the language, and shown through shownProblem().
    static const QString copyFailed;
    // A stored problem in the user's language; a text that is no known problem, as it is.
    static QString shownProblem(const QString& stored);

    static constexpr qint64 retrySeconds = 3600;

    Backup(Settings& settings, const Places& places, const Clock& clock, QObject* parent = nullptr);

    // Runs a backup when backups are on, none succeeded today, and the last attempt of this
    // object is an hour old. Main thread; store may be null (then nothing happens).
    void runIfDue(Store* store);
    // Starts a backup now unless one is running in this process or there is no store. The copy
    // of the database is made here, on the store's connection; placing it runs in the background
    // and ends in finished().
    void run(Store* store);
    // Makes today's copy now and waits for it, whether backups are on or not; the outcome is recorded
    // as for a scheduled backup. For the command line, beside a running recorder.
    Outcome runNow(Store* store);
    // Whether a backup of this process has started and not yet finished.
    static bool inProgress();
    // This computer's place in the backup folder, as the preferences say now.
    BackupFolder::Destination destination() const;

signals:
    // A started backup ended; the outcome is in the settings ("lastBackup", "backupProblem").
    void finished();

private:
    // A snapshot of the database and where it goes.
    struct Placement
    {
        QString snapshot;
        QString name;
        BackupFolder::Destination destination;
    };

    // Takes this process's one backup turn; false when a backup is running or there is no store.
    bool claim(const Store* store);
    // Snapshots the database for the turn just claimed; none when the snapshot cannot be made.
    std::optional<Placement> prepare(Store& store) const;
    // Ends the turn, records the backup's outcome and announces it.
    void finish(const std::optional<QString>& problem);

    Settings& m_settings;
    const Places& m_places;
    const Clock& m_clock;
    std::optional<QDateTime> m_lastAttempt; // none: never tried in this run
};
