#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Where the copies live in the folder the user chose: "Horavane" below it, one subfolder per computer
// named by the computer's id, a copy per day in it, and a small file with the computer's name, so
// that several computers can share one synced folder without touching each other's copies.
namespace BackupFolder {

// A computer that has copies in the backup folder.
struct Computer
{
    QString id;     // its subfolder's name
    QString name;   // as it calls itself; the id when it does not say
    QString folder; // absolute path of its subfolder
    bool operator==(const Computer&) const = default;
};

// The file in a computer's subfolder that holds its name.
extern const QString nameFile;

// backupFolder + "/Horavane".
QString root(const QString& backupFolder);
// The computer's subfolder below root.
QString computerFolder(const QString& backupFolder, const QString& computerId);

// What stands in the way of using the chosen folder: none chosen, or not there (a sync folder that is
// not mounted). The chosen folder itself is never created.
std::optional<QString> problem(const QString& backupFolder);

// Every computer's subfolder, ordered by id; none when the folder cannot be read.
QList<Computer> computers(const QString& backupFolder);

// The day of a copy's file name ("Horavane 2025-03-01.sqlite"); none for any other name, such as the
// copies a sync tool makes of a conflict or the files it is still receiving.
std::optional<QString> copyDay(const QString& fileName);
// The name of a copy being moved in: never a copy's name, and recognisable when left behind.
QString partialName();
// Whether a file is a copy being moved in that a run which ended too early left behind.
bool isStalePartial(const QString& fileName, const QDateTime& modified, const QDateTime& now);

// The names in a folder, or none when it cannot be read (unlike QDir, which answers "empty").
std::optional<QStringList> listNames(const QString& folder);

} // namespace BackupFolder
