// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopEntries.h"

#include "ExecCommand.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <algorithm>
#include <utility>

namespace {

// Entries are a few kilobytes; anything far larger is not one and is not read whole.
constexpr qint64 largestEntry = 1 << 20;

QString environment(const char* name)
{
    return qEnvironmentVariable(name).trimmed();
}

// Undoes the escapes the desktop-entry format allows in string values.
QString unescape(QStringView value)
{
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            result.append(c);
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's':
            result.append(u' ');
            break;
        case 'n':
            result.append(u'\n');
            break;
        case 't':
            result.append(u'\t');
            break;
        case 'r':
            result.append(u'\r');
            break;
        default:
            result.append(next);
            break;
        }
    }
    return result;
}

// The "[Desktop Entry]" group as key → value, later duplicates ignored.
QHash<QString, QString> mainGroup(const QByteArray& text)
{
    QHash<QString, QString> values;
    bool inMain = false;
    const QString all = QString::fromUtf8(text);
    for (QStringView line : QStringView(all).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            if (inMain)
                break; // the main group is over; other groups (actions) do not describe the application
            inMain = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inMain || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed().toString();
        if (!values.contains(key))
            values.insert(key, unescape(line.mid(equals + 1).trimmed()));
    }
    return values;
}

QString localizedName(const QHash<QString, QString>& values, const NameLocale& locale)
{
    for (const QString& tag : locale.tags()) {
        const QString value = values.value(QStringLiteral("Name[") + tag + u']');
        if (!value.isEmpty())
            return value;
    }
    return values.value(QStringLiteral("Name"));
}

} // namespace

NameLocale NameLocale::parse(const QString& text)
{
    QString rest = text.trimmed();
    NameLocale locale;
    const qsizetype at = rest.indexOf(u'@');
    if (at >= 0) {
        locale.modifier = rest.mid(at + 1);
        rest.truncate(at);
    }
    const qsizetype dot = rest.indexOf(u'.');
    if (dot >= 0)
        rest.truncate(dot); // the encoding plays no part in choosing a name
    const qsizetype underscore = rest.indexOf(u'_');
    if (underscore >= 0) {
        locale.country = rest.mid(underscore + 1);
        rest.truncate(underscore);
    }
    locale.language = rest;
    if (locale.language.isEmpty() || locale.language == u"C" || locale.language == u"POSIX")
        return {};
    return locale;
}

NameLocale NameLocale::fromEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment(variable);
        if (!value.isEmpty())
            return parse(value);
    }
    return {};
}

QStringList NameLocale::tags() const
{
    if (language.isEmpty())
        return {};
    QStringList result;
    if (!country.isEmpty() && !modifier.isEmpty())
        result.append(language + u'_' + country + u'@' + modifier);
    if (!country.isEmpty())
        result.append(language + u'_' + country);
    if (!modifier.isEmpty())
        result.append(language + u'@' + modifier);
    result.append(language);
    return result;
}

std::optional<DesktopEntry> DesktopFile::parse(const QByteArray& text, const QString& id, const NameLocale& locale)
{
    const QHash<QString, QString> values = mainGroup(text);
    if (values.isEmpty())
        return std::nullopt;
    const QString type = values.value(QStringLiteral("Type"));
    if (!type.isEmpty() && type != u"Application")
        return std::nullopt;
    DesktopEntry entry;
    entry.id = id;
    entry.name = localizedName(values, locale);
    entry.startupWMClass = values.value(QStringLiteral("StartupWMClass"));
    entry.program = ExecCommand::parse(values.value(QStringLiteral("Exec"))).program;
    entry.hidden = values.value(QStringLiteral("Hidden")) == u"true";
    return entry;
}

QString DesktopFile::idFromRelativePath(const QString& relativePath)
{
    QString id = relativePath;
    if (id.endsWith(QStringLiteral(".desktop")))
        id.chop(8);
    return id.replace(u'/', u'-');
}

DesktopEntries DesktopEntries::load(const QStringList& folders, const NameLocale& locale)
{
    DesktopEntries entries;
    QSet<QString> seen;
    for (const QString& folder : folders) {
        const QDir base(folder);
        QStringList files;
        QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files | QDir::Readable,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(base.relativeFilePath(it.next()));
        std::sort(files.begin(), files.end()); // the same choice on every run when two files share an id
        for (const QString& relative : files) {
            const QString id = DesktopFile::idFromRelativePath(relative);
            if (seen.contains(id))
                continue;
            seen.insert(id);
            QFile file(base.filePath(relative));
            if (file.size() > largestEntry || !file.open(QIODevice::ReadOnly))
                continue;
            std::optional<DesktopEntry> entry = DesktopFile::parse(file.readAll(), id, locale);
            if (entry && !entry->hidden)
                entries.add(std::move(*entry));
        }
    }
    entries.finish();
    return entries;
}

QStringList DesktopEntries::standardFolders()
{
    const QString home = QDir::homePath();
    QString dataHome = environment("XDG_DATA_HOME");
    if (dataHome.isEmpty())
        dataHome = home + QStringLiteral("/.local/share");
    QString dataDirs = environment("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = QStringLiteral("/usr/local/share:/usr/share");

    QStringList shares{dataHome};
    shares += dataDirs.split(u':', Qt::SkipEmptyParts);
    shares += {home + QStringLiteral("/.local/share/flatpak/exports/share"),
               QStringLiteral("/var/lib/flatpak/exports/share")};
    QStringList folders;
    for (const QString& share : std::as_const(shares)) {
        const QString folder = QDir::cleanPath(share + QStringLiteral("/applications"));
        if (!folders.contains(folder))
            folders.append(folder);
    }
    const QString snaps = QStringLiteral("/var/lib/snapd/desktop/applications");
    if (!folders.contains(snaps))
        folders.append(snaps);
    return folders;
}

const DesktopEntry* DesktopEntries::find(const QString& id) const
{
    return byKey(m_byId, id);
}

const DesktopEntry* DesktopEntries::matchWindowClass(const QString& instance, const QString& windowClass) const
{
    const QString folded[] = {windowClass.toLower(), instance.toLower()};
    for (const auto* index : {&m_byWindowClass, &m_byFoldedId}) {
        for (const QString& key : folded) {
            if (const DesktopEntry* entry = byKey(*index, key))
                return entry;
        }
    }
    return nullptr;
}

void DesktopEntries::add(DesktopEntry entry)
{
    m_entries.append(std::move(entry));
}

void DesktopEntries::finish()
{
    // Walk backwards so that, where entries share a folded key, the earliest in precedence order is kept.
    for (qsizetype i = m_entries.size() - 1; i >= 0; --i) {
        const DesktopEntry& entry = m_entries[i];
        m_byId.insert(entry.id, i);
        m_byFoldedId.insert(entry.id.toLower(), i);
        if (!entry.startupWMClass.isEmpty())
            m_byWindowClass.insert(entry.startupWMClass.toLower(), i);
    }
}

const DesktopEntry* DesktopEntries::byKey(const QHash<QString, qsizetype>& index, const QString& key) const
{
    if (key.isEmpty())
        return nullptr;
    const auto it = index.constFind(key);
    return it == index.cend() ? nullptr : &m_entries[*it];
}
