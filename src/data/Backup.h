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

// The daily copy of the history database in this computer's subfolder of the backup folder the user
// chose (see BackupFolder): at most one copy a day, the seven newest days kept, every computer's copies
// listable and fetchable for a restore. Scheduling and outcomes belong to the main thread; the file
// work runs in the background.
class Backup : public QObject
{
    Q_OBJECT
public:
    // One copy in the backup folder; its day key comes from the file name.
    struct Copy
    {
        QString url;        // absolute path of the copy
        QString day;        // "YYYY-MM-DD"
        QString computerId; // the subfolder it is in
        QString computer;   // the name of the computer that made it
        bool operator==(const Copy&) const = default;
    };

    // Where this computer's copies go.
    struct Destination
    {
        QString backupFolder; // the folder the user chose
        QString computerId;
        QString computerName;
    };

    // What a backup made now ended in: the copy's path, or the problem.
    struct Outcome
    {
        QString path;
        std::optional<QString> problem;
    };

    // Message stored in "backupProblem" when the database could not be copied; the folder's own
    // problems are worded by the platform's texts.
    static const QString copyFailed;

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
    // Makes today's copy now and waits for it, whether backups are on or not; the outcome is recorded
    // as for a scheduled backup. For the command line, beside a running recorder.
    Outcome runNow(Store* store);
    // Whether a backup of this process has started and not yet finished.
    static bool inProgress();
    // This computer's place in the backup folder, as the preferences say now.
    Destination destination() const;

    // Every computer's copies in the backup folder: this computer's first, then the others by name, each
    // newest day first; nothing when the folder can't be read. Blocking file work; any thread.
    static QList<Copy> available(const QString& backupFolder, const QString& thisComputerId);
    // A private local copy of the backup (in the temporary folder) for a restore, or none when it
    // can't be read. The caller deletes the file. Blocking file work; any thread.
    static std::optional<QString> fetch(const Copy& copy, const Places& places);

    // Moves the finished copy at temp into this computer's subfolder under name, replacing that day's
    // copy, prunes this computer's old copies and removes temp; the problem message, or none on success.
    // Never leaves a half-written file under a copy's name and never touches another computer's files.
    // Blocking; any thread.
    static std::optional<QString> place(const QString& temp, const QString& name, const Destination& destination);
    // The file a copy of that day gets.
    static QString copyName(const QString& day);
    // The oldest names of well-formed copies beyond the newest `keeping`; other names never appear.
    static QStringList copiesToRemove(const QStringList& names, int keeping);

signals:
    // A started backup ended; the outcome is in the settings ("lastBackup", "backupProblem").
    void finished();

private:
    // A consistent copy of the live database in the temporary folder; none (with the problem
    // recorded) when it cannot be made.
    std::optional<QString> copyDatabase(Store& store);
    void finish(const std::optional<QString>& problem);

    Settings& m_settings;
    const Places& m_places;
    const Clock& m_clock;
    std::optional<QDateTime> m_lastAttempt; // none: never tried in this run
};
