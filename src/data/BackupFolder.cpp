// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupFolder.h"

#include "ComputerIdentity.h"
#include "PlatformTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUuid>

#include <algorithm>
#include <dirent.h>

namespace BackupFolder {

namespace {

const QString rootName = QStringLiteral("Horavane");
const QLatin1String partialPrefix(".horavane-");
const QLatin1String partialSuffix(".partial");
// A copy is moved in within seconds; one older than this belongs to a run that died midway.
constexpr qint64 stalePartialSeconds = 6 * 3600;
constexpr qint64 longestName = 200;

// The first line of the name file, without control characters; empty when unreadable.
QString readName(const QString& folder)
{
    QFile file(folder + QLatin1Char('/') + nameFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString name = QString::fromUtf8(file.read(4 * longestName)).section(QLatin1Char('\n'), 0, 0);
    name.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return name.trimmed().left(longestName);
}

} // namespace

const QString nameFile = QStringLiteral("Computer name.txt");

QString root(const QString& backupFolder)
{
    return backupFolder + QLatin1Char('/') + rootName;
}

QString computerFolder(const QString& backupFolder, const QString& computerId)
{
    return root(backupFolder) + QLatin1Char('/') + computerId;
}

std::optional<QString> problem(const QString& backupFolder)
{
    if (backupFolder.isEmpty() || !QFileInfo(backupFolder).isAbsolute())
        return PlatformTexts::backupFolderNotChosen();
    if (!QFileInfo(backupFolder).isDir())
        return PlatformTexts::backupFolderMissing();
    return std::nullopt;
}

QList<Computer> computers(const QString& backupFolder)
{
    QList<Computer> result;
    if (problem(backupFolder))
        return result;
    QStringList ids = listNames(root(backupFolder)).value_or(QStringList());
    ids.sort();
    for (const QString& id : std::as_const(ids)) {
        const QString folder = computerFolder(backupFolder, id);
        if (!ComputerIdentity::isValid(id) || !QFileInfo(folder).isDir())
            continue; // a sync tool's own files, or a conflict copy of a whole folder
        const QString name = readName(folder);
        result.append(Computer{id, name.isEmpty() ? id : name, folder});
    }
    return result;
}

QList<Copy> copies(const QString& backupFolder, const QString& thisComputerId)
{
    QList<Computer> ordered = computers(backupFolder);
    // This computer first, then the others by name as a person would sort them.
    std::stable_sort(ordered.begin(), ordered.end(), [&](const Computer& a, const Computer& b) {
        if ((a.id == thisComputerId) != (b.id == thisComputerId))
            return a.id == thisComputerId;
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    QList<Copy> result;
    for (const Computer& computer : std::as_const(ordered)) {
        QList<Copy> own;
        for (const QString& name : listNames(computer.folder).value_or(QStringList())) {
            if (const std::optional<QString> day = copyDay(name))
                own.append(Copy{computer.folder + QLatin1Char('/') + name, *day, computer.id, computer.name});
        }
        std::stable_sort(own.begin(), own.end(), [](const Copy& a, const Copy& b) { return a.day > b.day; });
        result.append(own);
    }
    return result;
}

QString copyName(const QString& day)
{
    return QLatin1String("Horavane ") + day + QLatin1String(".sqlite");
}

std::optional<QString> copyDay(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("\\AHoravane (\\d{4}-\\d{2}-\\d{2})\\.sqlite\\z"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    return match.hasMatch() ? std::optional(match.captured(1)) : std::nullopt;
}

QStringList copiesToRemove(const QStringList& names, int keeping)
{
    QStringList found;
    for (const QString& name : names) {
        if (copyDay(name))
            found.append(name);
    }
    if (found.size() <= keeping)
        return {};
    found.sort();
    return found.first(found.size() - std::max(keeping, 0));
}

QString partialName()
{
    return partialPrefix + QUuid::createUuid().toString(QUuid::WithoutBraces) + partialSuffix;
}

bool isStalePartial(const QString& fileName, const QDateTime& modified, const QDateTime& now)
{
    if (!fileName.startsWith(partialPrefix) || !fileName.endsWith(partialSuffix))
        return false;
    return modified.isValid() && modified.secsTo(now) > stalePartialSeconds;
}

std::optional<QStringList> listNames(const QString& folder)
{
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return std::nullopt;
    QStringList names;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name != QLatin1String(".") && name != QLatin1String(".."))
            names.append(name);
    }
    ::closedir(dir);
    return names;
}

} // namespace BackupFolder
