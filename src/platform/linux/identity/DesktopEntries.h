// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The language a desktop entry's name is shown in, as the POSIX locale names it ("de_AT.UTF-8@euro").
struct NameLocale
{
    QString language; // "de"; empty for the C locale
    QString country;  // "AT"
    QString modifier; // "euro"

    // Parses a locale name; "C", "POSIX" and empty text give the C locale.
    static NameLocale parse(const QString& text);
    // From LC_ALL, else LC_MESSAGES, else LANG (the first that is set and not empty).
    static NameLocale fromEnvironment();
    // The `Name[...]` tags to try, most specific first; empty for the C locale.
    QStringList tags() const;

    bool operator==(const NameLocale&) const = default;
};

// What an installed desktop entry says about the application it starts.
struct DesktopEntry
{
    QString id;             // path below "applications/" with '/' as '-', without ".desktop"
    QString name;           // the localized `Name`; empty when the entry has none
    QString startupWMClass; // the WM_CLASS its windows carry, when the entry says
    QString program;        // the file name of the program its `Exec` runs ("firefox-esr")
    bool hidden = false;    // `Hidden=true`: the entry counts as deleted

    bool operator==(const DesktopEntry&) const = default;
};

namespace DesktopFile {
// Reads the "[Desktop Entry]" group; none when the text is not an application's entry.
std::optional<DesktopEntry> parse(const QByteArray& text, const QString& id, const NameLocale& locale);
// The id a file gets from its path relative to an "applications" folder ("kde/konsole.desktop" → "kde-konsole").
QString idFromRelativePath(const QString& relativePath);
} // namespace DesktopFile

// Every installed application entry, with the precedence of the folders they come from.
class DesktopEntries
{
public:
    DesktopEntries() = default;

    // Indexes the "applications" folders in order: an earlier folder's entry hides a later one with the same id,
    // and a hidden entry hides the id altogether.
    static DesktopEntries load(const QStringList& folders, const NameLocale& locale);
    // $XDG_DATA_HOME, each of $XDG_DATA_DIRS, then the Flatpak and snap exports, each with "/applications".
    static QStringList standardFolders();

    // The entry with exactly this id, or none.
    const DesktopEntry* find(const QString& id) const;
    // The entry for a window's WM_CLASS: `StartupWMClass`, else the id, each compared without case with the
    // class, then the instance. None when no entry matches.
    const DesktopEntry* matchWindowClass(const QString& instance, const QString& windowClass) const;
    qsizetype size() const { return m_entries.size(); }

private:
    void add(DesktopEntry entry);
    void finish();
    const DesktopEntry* byKey(const QHash<QString, qsizetype>& index, const QString& key) const;

    QList<DesktopEntry> m_entries; // visible entries in precedence order
    QHash<QString, qsizetype> m_byId;
    QHash<QString, qsizetype> m_byWindowClass; // lower-case StartupWMClass → first entry
    QHash<QString, qsizetype> m_byFoldedId;    // lower-case id → first entry
};
