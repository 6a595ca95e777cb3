// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// How the history names its days, in the language and order of a locale.
namespace DateLabels {
// "Today", "Yesterday", or the full weekday, day number and full month name ("Monday, March 3").
QString title(const QDate& date, const QDate& today, const QLocale& locale = QLocale());
// A bar's axis label: the abbreviated weekday ("Mon"), or the day number with the abbreviated month ("Mar 3").
QString axisLabel(const QDate& date, bool withWeekday, const QLocale& locale = QLocale());
// The locale's long date format without its year, the month shortened when asked.
QString formatWithoutYear(const QLocale& locale, bool withWeekday, bool shortMonth);
} // namespace DateLabels
