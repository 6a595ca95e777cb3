#include "BackupFolder.h"

#include "ComputerIdentity.h"
#include "PlatformTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUuid>

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

std::optional<QString> copyDay(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("\\AHoravane (\\d{4}-\\d{2}-\\d{2})\\.sqlite\\z"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    return match.hasMatch() ? std::optional(match.captured(1)) : std::nullopt;
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
