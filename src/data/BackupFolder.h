// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Store;

// Where the copies live in the folder the user chose: "Horavane" below it, one subfolder per computer
// named by the computer's id, a copy per day in it, and a small file with the computer's name, so
// that several computers can share one synced folder without touching each other's copies. Also the
// file work on them: making, placing, pruning, listing and fetching copies. All of it blocks; any thread
// unless a function says otherwise.
namespace BackupFolder {

// A computer that has copies in the backup folder.
struct Computer
{
    QString id;     // its subfolder's name
    QString name;   // as it calls itself; the id when it does not say
    QString folder; // absolute path of its subfolder
    bool operator==(const Computer&) const = default;
};

// One copy in the backup folder; its day key comes from the file name.
struct Copy
{
    QString path;       // absolute path of the copy
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

// The file in a computer's subfolder that holds its name.
extern const QString nameFile;

constexpr int copiesKept = 7;

// backupFolder + "/Horavane".
QString root(const QString& backupFolder);
// The computer's subfolder below root.
QString computerFolder(const QString& backupFolder, const QString& computerId);

// What stands in the way of using the chosen folder: none chosen, or not there (a sync folder that is
// not mounted). The chosen folder itself is never created.
std::optional<QString> problem(const QString& backupFolder);

// Every computer's subfolder, ordered by id; none when the folder cannot be read.
QList<Computer> computers(const QString& backupFolder);
// Every computer's copies: this computer's first, then the others by name, each newest day first;
// nothing when the folder can't be read.
QList<Copy> copies(const QString& backupFolder, const QString& thisComputerId);

// The file a copy of that day gets.
QString copyName(const QString& day);
// The day of a copy's file name ("Horavane 2025-03-01.sqlite"); none for any other name, such as the
// copies a sync tool makes of a conflict or the files it is still receiving.
std::optional<QString> copyDay(const QString& fileName);
// The oldest names of well-formed copies beyond the newest `keeping`; other names never appear.
QStringList copiesToRemove(const QStringList& names, int keeping);
// The name of a copy being moved in: never a copy's name, and recognisable when left behind.
QString partialName();
// Whether a file is a copy being moved in that a run which ended too early left behind.
bool isStalePartial(const QString& fileName, const QDateTime& modified, const QDateTime& now);

// The names in a folder, or none when it cannot be read (unlike QDir, which answers "empty").
std::optional<QStringList> listNames(const QString& folder);

// A consistent copy of the live database in the temporary folder, private from the start; none when it
// cannot be made. On the store's thread.
std::optional<QString> snapshot(Store& store, const QString& temporaryFolder);
// Moves the finished copy at temp into this computer's subfolder under name, replacing that day's
// copy, prunes this computer's old copies and removes temp; the problem message, or none on success.
// Never leaves a half-written file under a copy's name and never touches another computer's files.
std::optional<QString> place(const QString& temp, const QString& name, const Destination& destination);
// A private local copy of the backup (in the temporary folder) for a restore, or none when it can't be
// read. The caller deletes the file.
std::optional<QString> fetch(const Copy& copy, const QString& temporaryFolder);

} // namespace BackupFolder
