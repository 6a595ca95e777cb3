#include "RendererAccessibility.h"

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

struct Token
{
    qsizetype begin = 0;
    qsizetype end = 0;
    bool unterminated = false; // a quote opened and never closed: the whole value is malformed
};

// The arguments of an Exec value, as positions, so that an insertion keeps the rest byte for byte.
// Quoted arguments run to the closing quote; a backslash inside quotes escapes the next character.
QList<Token> tokens(const QString& value)
{
    QList<Token> result;
    qsizetype i = 0;
    while (i < value.size()) {
        while (i < value.size() && value.at(i).isSpace())
            ++i;
        if (i >= value.size())
            break;
        const qsizetype begin = i;
        bool quoted = false;
        for (; i < value.size(); ++i) {
            const QChar c = value.at(i);
            if (quoted && c == u'\\') {
                ++i;
            } else if (c == u'"') {
                quoted = !quoted;
            } else if (!quoted && c.isSpace()) {
                break;
            }
        }
        result.append({begin, std::min(i, value.size()), quoted});
    }
    return result;
}

QString unquoted(const QString& value, const Token& token)
{
    QString text = value.mid(token.begin, token.end - token.begin);
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2);
    return text;
}

// Which argument the browser's own arguments follow: the program itself, or what a wrapper runs
// ("env VAR=x program", "flatpak run --opt app.id").
std::optional<qsizetype> programIndex(const QString& value, const QList<Token>& args)
{
    if (args.isEmpty())
        return std::nullopt;
    const QString program = QFileInfo(unquoted(value, args.first())).fileName();
    qsizetype i = 0;
    if (program == QLatin1String("env")) {
        for (i = 1; i < args.size(); ++i) {
            const QString arg = unquoted(value, args.at(i));
            if (!arg.startsWith(u'-') && !arg.contains(u'='))
                break;
        }
    } else if (program == QLatin1String("flatpak") && args.size() > 1 && unquoted(value, args.at(1)) == "run") {
        for (i = 2; i < args.size() && unquoted(value, args.at(i)).startsWith(u'-'); ++i) {
        }
    }
    if (i >= args.size())
        return std::nullopt;
    return i;
}

bool containsFlag(const QString& value)
{
    const QList<Token> args = tokens(value);
    return std::any_of(args.begin(), args.end(),
                       [&](const Token& token) { return unquoted(value, token) == RendererAccessibility::flag; });
}

QString execWithFlag(const QString& value)
{
    if (containsFlag(value))
        return value;
    const QList<Token> args = tokens(value);
    // Inserted into an open quote, the flag would become part of the program's name.
    if (!args.isEmpty() && args.last().unterminated)
        return value;
    const std::optional<qsizetype> program = programIndex(value, args);
    if (!program)
        return value;
    QString result = value;
    result.insert(args.at(*program).end, u' ' + QString(RendererAccessibility::flag));
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
    return exec && containsFlag(*exec);
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
