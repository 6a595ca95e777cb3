// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RendererAccessibility.h"

#include "ExecCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

namespace {

// Desktop entries are a few kilobytes; anything far larger is not one.
constexpr qint64 maximumEntrySize = 1 << 20;

// The id without ".desktop", or none when it could name a file outside the applications folder.
std::optional<QString> validId(QString id)
{
    if (id.endsWith(QLatin1String(".desktop")))
        id.chop(8);
    if (id.isEmpty() || id.size() > 200 || id.startsWith(u'.') || id.contains(u'/') || id.contains(u'\\') ||
        id.contains(QLatin1String("..")))
        return std::nullopt;
    for (const QChar c : std::as_const(id)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return std::nullopt;
    }
    return id;
}

std::optional<QString> readEntry(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maximumEntrySize)
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

// The argument the browser's own arguments follow: the program, or the application that
// "flatpak run [options] app.id" starts. None when there is none.
std::optional<qsizetype> lastLauncherArgument(const ExecCommand& command)
{
    if (!command.programIndex)
        return std::nullopt;
    const QList<ExecArgument>& args = command.arguments;
    qsizetype i = *command.programIndex;
    if (command.program == QLatin1String("flatpak") && i + 1 < args.size() && args.at(i + 1).text == "run") {
        for (i += 2; i < args.size() && args.at(i).text.startsWith(u'-'); ++i) {
        }
    }
    if (i >= args.size())
        return std::nullopt;
    return i;
}

bool containsFlag(const ExecCommand& command)
{
    return std::any_of(command.arguments.begin(), command.arguments.end(),
                       [](const ExecArgument& arg) { return arg.text == RendererAccessibility::flag; });
}

QString execWithFlag(const QString& value)
{
    const ExecCommand command = ExecCommand::parse(value);
    // Inserted into an open quote, the flag would become part of the program's name.
    if (command.unterminated || containsFlag(command))
        return value;
    const std::optional<qsizetype> last = lastLauncherArgument(command);
    if (!last)
        return value;
    QString result = value;
    result.insert(command.arguments.at(*last).end, u' ' + QString(RendererAccessibility::flag));
    return result;
}

bool isLaunchGroup(const QString& group)
{
    return group == QLatin1String("Desktop Entry") || group.startsWith(QLatin1String("Desktop Action "));
}

const QRegularExpression& execLine()
{
    static const QRegularExpression pattern(QStringLiteral("^(\\s*Exec\\s*=\\s*)(.*)$"));
    return pattern;
}

// The value of the main entry's Exec= key.
std::optional<QString> mainExec(const QString& entry)
{
    QString group;
    for (const QString& line : entry.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            group = trimmed.mid(1, trimmed.size() - 2);
            continue;
        }
        const QRegularExpressionMatch match = execLine().match(line);
        if (group == QLatin1String("Desktop Entry") && match.hasMatch())
            return match.captured(2);
    }
    return std::nullopt;
}

bool hasFlag(const QString& entry)
{
    const std::optional<QString> exec = mainExec(entry);
    return exec && containsFlag(ExecCommand::parse(*exec));
}

bool isOurs(const QString& path)
{
    const std::optional<QString> entry = readEntry(path);
    return entry && entry->startsWith(RendererAccessibility::marker);
}

} // namespace

RendererAccessibility::RendererAccessibility(QString dataHome, QStringList dataDirs)
    : m_dataHome(std::move(dataHome)), m_dataDirs(std::move(dataDirs))
{
}

RendererAccessibility RendererAccessibility::fromEnvironment()
{
    QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    dirs.removeAll(home);
    return RendererAccessibility(home, dirs);
}

QString RendererAccessibility::withFlag(const QString& entry)
{
    QStringList lines = entry.split(u'\n');
    QString group;
    for (QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            group = trimmed.mid(1, trimmed.size() - 2);
            continue;
        }
        if (!isLaunchGroup(group))
            continue;
        const QRegularExpressionMatch match = execLine().match(line);
        if (match.hasMatch())
            line = match.captured(1) + execWithFlag(match.captured(2));
    }
    return lines.join(u'\n');
}

QString RendererAccessibility::overridePath(const QString& id) const
{
    // A relative $XDG_DATA_HOME is invalid by the XDG rules and would write below the working folder.
    if (m_dataHome.isEmpty() || QDir::isRelativePath(m_dataHome))
        return {};
    return QDir(m_dataHome).filePath(QStringLiteral("applications/") + id + QStringLiteral(".desktop"));
}

QString RendererAccessibility::systemPath(const QString& id) const
{
    for (const QString& dir : m_dataDirs) {
        if (dir.isEmpty() || QDir::isRelativePath(dir))
            continue;
        const QString path = QDir(dir).filePath(QStringLiteral("applications/") + id + QStringLiteral(".desktop"));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString RendererAccessibility::effectivePath(const QString& id) const
{
    const QString own = overridePath(id);
    if (!own.isEmpty() && QFileInfo(own).isFile())
        return own;
    return systemPath(id);
}

bool RendererAccessibility::isEnabled(const QString& desktopId) const
{
    const std::optional<QString> id = validId(desktopId);
    if (!id)
        return false;
    const std::optional<QString> entry = readEntry(effectivePath(*id));
    return entry && hasFlag(*entry);
}

bool RendererAccessibility::enable(const QString& desktopId) const
{
    const std::optional<QString> id = validId(desktopId);
    if (!id)
        return false;
    const QString target = overridePath(*id);
    if (target.isEmpty())
        return false;
    const QFileInfo existing(target);
    if (existing.isSymLink())
        return false; // writing would follow it out of the folder
    if (existing.exists()) {
        // Ours is rewritten from the current system entry below; the user's own is never touched.
        if (!isOurs(target)) {
            const std::optional<QString> entry = readEntry(target);
            return entry && hasFlag(*entry);
        }
    }
    const std::optional<QString> system = readEntry(systemPath(*id));
    if (!system)
        return false;
    const QString flagged = withFlag(*system);
    if (!hasFlag(flagged))
        return false; // no command to add the flag to
    if (!QDir().mkpath(existing.absolutePath()))
        return false;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString text = QString(marker) +
                         QStringLiteral(" so that the browser shows its pages to accessibility clients (%1). "
                                        "Remove this file to undo.\n")
                             .arg(flag) +
                         flagged;
    file.write(text.toUtf8());
    return file.commit();
}

bool RendererAccessibility::disable(const QString& desktopId) const
{
    const std::optional<QString> id = validId(desktopId);
    if (!id)
        return false;
    const QString target = overridePath(*id);
    if (target.isEmpty())
        return false;
    const QFileInfo existing(target);
    if (existing.isFile() && !existing.isSymLink() && isOurs(target) && !QFile::remove(target))
        return false;
    return !isEnabled(*id);
}
