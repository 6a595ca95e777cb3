// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

// Chromium-family browsers show their pages to accessibility clients only when started with
// --force-renderer-accessibility. This switches that on per browser, the way a user would: a copy of the
// browser's desktop entry in $XDG_DATA_HOME/applications with the flag on every command, which launchers
// prefer over the system's. It takes effect the next time the browser starts.
class RendererAccessibility
{
public:
    static constexpr QLatin1StringView flag{"--force-renderer-accessibility"};
    // The first line of every entry this program writes; only such files are ever removed.
    static constexpr QLatin1StringView marker{"# Written by Horavane"};

    // dataHome is $XDG_DATA_HOME, dataDirs $XDG_DATA_DIRS in order of preference.
    RendererAccessibility(QString dataHome, QStringList dataDirs);
    // The folders of this session.
    static RendererAccessibility fromEnvironment();

    // Whether the browser's entry in effect starts it with the flag; false for an id that is not valid.
    bool isEnabled(const QString& desktopId) const;
    // Writes the override; true when the entry in effect now has the flag. Leaves an override of the
    // user's own untouched (false, unless it has the flag already).
    bool enable(const QString& desktopId) const;
    // Removes an override this program wrote; true when no entry in effect has the flag afterwards.
    bool disable(const QString& desktopId) const;

    // The entry's text with the flag after the program of every Exec= line of the main entry and its
    // actions; the text unchanged when it has no such line or every one has the flag.
    static QString withFlag(const QString& entry);

private:
    QString overridePath(const QString& id) const;
    QString effectivePath(const QString& id) const;
    QString systemPath(const QString& id) const;

    QString m_dataHome;
    QStringList m_dataDirs;
};
