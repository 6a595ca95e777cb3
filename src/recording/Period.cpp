// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Period.h"

namespace {

struct Offsets
{
    int first;
    int last;
};

Offsets offsets(Period period)
{
    switch (period) {
    case Period::today:
        return {0, 0};
    case Period::yesterday:
        return {-1, -1};
    case Period::week:
        return {-6, 0};
    case Period::month:
        return {-29, 0};
    }
    return {0, 0};
}

} // namespace

QString Periods::rawValue(Period period)
{
    switch (period) {
    case Period::today:
        return QStringLiteral("today");
    case Period::yesterday:
        return QStringLiteral("yesterday");
    case Period::week:
        return QStringLiteral("week");
    case Period::month:
        return QStringLiteral("month");
    }
    return {};
}

std::optional<Period> Periods::fromRaw(QStringView raw)
{
    for (Period period : all)
        if (raw == rawValue(period))
            return period;
    return std::nullopt;
}

QList<QDateTime> Periods::dates(Period period, const QDateTime& now, const QTimeZone& zone)
{
    const QDate today = now.toTimeZone(zone).date();
    const Offsets range = offsets(period);
    QList<QDateTime> result;
    result.reserve(range.last - range.first + 1);
    for (int offset = range.first; offset <= range.last; ++offset)
        result.append(today.addDays(offset).startOfDay(zone));
    return result;
}

QString Day::string(const QDateTime& moment, const QTimeZone& zone)
{
    const QDate date = moment.toTimeZone(zone).date();
    return QString::asprintf("%04d-%02d-%02d", date.year(), date.month(), date.day());
}
