// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>
#include <optional>

// The spans of days a view can ask for, in the order they are offered.
enum class Period { today, yesterday, week, month };

namespace Periods {
inline constexpr Period all[] = {Period::today, Period::yesterday, Period::week, Period::month};

QString rawValue(Period period);
// Exactly "today", "yesterday", "week" or "month"; anything else is none.
std::optional<Period> fromRaw(QStringView raw);
// The starts of the period's days in the zone's calendar, oldest first.
QList<QDateTime> dates(Period period, const QDateTime& now, const QTimeZone& zone);
} // namespace Periods

inline size_t qHash(Period period, size_t seed = 0) noexcept
{
    return qHash(Periods::rawValue(period), seed);
}

namespace Day {
// The day key of a moment in the zone's calendar: "YYYY-MM-DD", zero-padded, so text order is date order.
QString string(const QDateTime& moment, const QTimeZone& zone);
} // namespace Day
