#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class Clock;
class Places;
class Settings;
class Store;

// The daily copy of the history database in the cloud drive's "Horavane" folder: at most one copy
// a day, the seven newest days kept, each copy listable and fetchable for a restore.
// Scheduling and outcomes belong to the main thread; the file work runs in the background.
class Backup : public QObject
{
    Q_OBJECT
public:
    // One copy in the backup folder; its day key comes from the file name.
    struct Copy
    {
        QString url; // absolute path of the copy
        QString day; // "YYYY-MM-DD"
        bool operator==(const Copy&) const = default;
    };

    // Messages stored in "backupProblem".
    static const QString copyFailed;
    static const QString driveOff;
    static const QString writeFailed;

    static constexpr int copiesKept = 7;
    static constexpr qint64 retrySeconds = 3600;

    Backup(Settings& settings, const Places& places, const Clock& clock, QObject* parent = nullptr);

    // Runs a backup when backups are on, none succeeded today, and the last attempt of this
    // object is an hour old. Main thread; store may be null (then nothing happens).
    void runIfDue(Store* store);
    // Starts a backup now unless one is running in this process or there is no store. The copy
    // of the database is made here, on the store's connection; placing it runs in the background
    // and ends in finished().
    void run(Store* store);
    // Whether a backup of this process has started and not yet finished.
    static bool inProgress();

    // The copies in the backup folder, newest day first; nothing when the folder can't be read.
    // Blocking file work; any thread.
    static QList<Copy> available(const Places& places);
    // A private local copy of the backup (in the temporary folder) for a restore, or none when it
    // can't be read. The caller deletes the file. Blocking file work; any thread.
    static std::optional<QString> fetch(const Copy& copy, const Places& places);

    // Moves the finished copy at temp into the backup folder below the cloud drive's root under
    // name, replacing that day's copy, prunes old copies and removes temp; the problem message, or
    // none on success. Never leaves a half-written file under a copy's name. Blocking; any thread.
    static std::optional<QString> place(const QString& temp, const QString& name, const QString& cloudDriveRoot);
    // The oldest names of well-formed copies beyond the newest `keeping`; other names never appear.
    static QStringList copiesToRemove(const QStringList& names, int keeping);

signals:
    // A started backup ended; the outcome is in the settings ("lastBackup", "backupProblem").
    void finished();

private:
    void finish(const std::optional<QString>& problem);

    Settings& m_settings;
    const Places& m_places;
    const Clock& m_clock;
    std::optional<QDateTime> m_lastAttempt; // none: never tried in this run
};
