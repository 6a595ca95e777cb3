// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The computed texts of the settings window: idle choices, the last backup and backup copy titles, in the
// user's language.
namespace SettingsTexts {

// "1 minute idle", "5 minutes idle".
QString idleChoice(int minutes);

// How long ago (or ahead) date is seen from now, in words with each word capitalised: "Now",
// "5 Minutes Ago", "Yesterday", "3 Days Ago", "Last Week", "In 2 Hours". The largest calendar unit
// that differs is named, as the desktop's own "relative date" texts do.
QString relativeDate(const QDateTime& date, const QDateTime& now);

// The "Last backup" value: the stored problem shown in the user's language when there is one, "Not yet"
// without a backup, else the relative date and the short time of day in the locale ("Yesterday at 9:41").
QString backupStatus(const QString& problem, double lastBackup, const QDateTime& now,
                     const QLocale& locale = QLocale());

// The locale's long date format without its weekday ("MMMM d, yyyy").
QString longDateFormat(const QLocale& locale);

// A backup copy's day text ("2025-03-04") as a long date in the locale; the text unchanged when it
// is not three dash-separated numbers of a real date.
QString copyTitle(const QString& day, const QLocale& locale = QLocale());

} // namespace SettingsTexts
