// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The backup folder's file work that writes: the snapshot of the live database, moving it into the
// folder for good, and fetching a copy out of it for a restore.
#include "BackupFolder.h"

#include "ComputerIdentity.h"
#include "PlatformTexts.h"
#include "PrivateFiles.h"
#include "Store.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace BackupFolder {

namespace {

QString uniqueName(QLatin1String prefix, QLatin1String suffix)
{
    return prefix + QUuid::createUuid().toString(QUuid::WithoutBraces) + suffix;
}

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

bool syncPath(const QString& path, int flags)
{
    const int fd = ::open(nativePath(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// Copies a file's bytes to a new private file at to; a partial result is removed.
bool copyFile(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    if (!PrivateFiles::createFile(to))
        return false;
    QFile target(to);
    bool copied = target.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    while (copied) {
        const qint64 read = source.read(chunk.data(), chunk.size());
        if (read <= 0) {
            copied = read == 0;
            break;
        }
        copied = target.write(chunk.constData(), read) == read;
    }
    copied = copied && target.flush();
    target.close();
    if (!copied)
        QFile::remove(to);
    return copied;
}

// Brings the finished copy into the backup folder under a name no reader looks at, on disk for
// good: a rename when both folders share a file system, a copy otherwise.
bool stage(const QString& temp, const QString& partial)
{
    if (::rename(nativePath(temp).constData(), nativePath(partial).constData()) != 0 && !copyFile(temp, partial))
        return false;
    return syncPath(partial, O_RDONLY);
}

// A folder of the backup, made private to the user when it is made here; an existing folder is fine.
bool makeFolder(const QString& path)
{
    if (::mkdir(nativePath(path).constData(), 0700) == 0 || errno == EEXIST)
        return QFileInfo(path).isDir();
    return false;
}

// Tells the other computers this one's name, rewriting the file only when the name changed.
void writeName(const QString& folder, const QString& name)
{
    const QString path = folder + QLatin1Char('/') + nameFile;
    QFile current(path);
    const QByteArray wanted = name.toUtf8() + '\n';
    if (current.open(QIODevice::ReadOnly) && current.read(wanted.size() + 1) == wanted)
        return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(wanted) == wanted.size() && file.commit())
        PrivateFiles::restrictFile(path);
}

// Removes what a run that died midway left in this computer's folder; copies are never touched.
void removeStalePartials(const QString& folder, const QStringList& names)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QString& name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        if (isStalePartial(name, QFileInfo(path).lastModified().toUTC(), now))
            QFile::remove(path);
    }
}

} // namespace

std::optional<QString> snapshot(Store& store, const QString& temporaryFolder)
{
    PrivateFiles::makeFolder(temporaryFolder);
    const QString temp =
        temporaryFolder + QLatin1Char('/') + uniqueName(QLatin1String("horavane-backup-"), QLatin1String(".sqlite"));
    QString escaped = temp;
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    const QByteArray copy = "VACUUM INTO '" + escaped.toUtf8() + "'";
    // The copy statement accepts an existing empty file, which lets the copy be private from the start.
    if (!PrivateFiles::createFile(temp) || !store.execute(copy.constData())) {
        QFile::remove(temp);
        return std::nullopt;
    }
    return temp;
}

std::optional<QString> place(const QString& temp, const QString& name, const Destination& destination)
{
    struct RemoveTemp
    {
        const QString& path;
        ~RemoveTemp() { QFile::remove(path); }
    } removeTemp{temp};

    // The chosen folder must be there already: a sync folder that is not mounted gets no empty stand-in.
    if (const std::optional<QString> found = problem(destination.backupFolder))
        return found;
    if (!ComputerIdentity::isValid(destination.computerId))
        return PlatformTexts::backupWriteFailed();
    const QString folder = computerFolder(destination.backupFolder, destination.computerId);
    if (!makeFolder(root(destination.backupFolder)) || !makeFolder(folder))
        return PlatformTexts::backupWriteFailed();
    writeName(folder, destination.computerName);

    // The rename replaces that day's earlier copy in one step, so a failure keeps the old one.
    const QString partial = folder + QLatin1Char('/') + partialName();
    const QString dest = folder + QLatin1Char('/') + name;
    if (!stage(temp, partial) || ::rename(nativePath(partial).constData(), nativePath(dest).constData()) != 0) {
        QFile::remove(partial);
        return PlatformTexts::backupWriteFailed();
    }
    syncPath(folder, O_RDONLY | O_DIRECTORY); // makes the new name itself durable

    const std::optional<QStringList> names = listNames(folder);
    if (!names)
        return PlatformTexts::backupWriteFailed();
    for (const QString& old : copiesToRemove(*names, copiesKept))
        QFile::remove(folder + QLatin1Char('/') + old);
    removeStalePartials(folder, *names);
    return std::nullopt;
}

std::optional<QString> fetch(const Copy& copy, const QString& temporaryFolder)
{
    PrivateFiles::makeFolder(temporaryFolder);
    const QString temp =
        temporaryFolder + QLatin1Char('/') + uniqueName(QLatin1String("horavane-restore-"), QLatin1String(".sqlite"));
    if (!copyFile(copy.path, temp))
        return std::nullopt;
    return temp;
}

} // namespace BackupFolder
