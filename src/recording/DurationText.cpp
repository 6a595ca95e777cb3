// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DurationText.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace {

// The locale's digits without group separators: "2777h" stays one compact word.
QString number(qint64 value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

} // namespace

// The compact texts stand beside names in tight lists and in the panel; the spoken ones are what screen readers say.
QString DurationText::string(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 60)
        return seconds > 0 ? QCoreApplication::translate("DurationText", "<1m", "less than a minute, kept as short")
                           : QCoreApplication::translate("DurationText", "0m", "no time, kept as short");
    const auto minutes = static_cast<qint64>(std::trunc(seconds / 60));
    const qint64 hours = minutes / 60;
    const qint64 rest = minutes % 60;
    if (minutes >= 60)
        return rest != 0
                   ? QCoreApplication::translate("DurationText", "%1h %2m", "hours and minutes, kept as short")
                         .arg(number(hours), number(rest))
                   : QCoreApplication::translate("DurationText", "%1h", "hours, kept as short").arg(number(hours));
    return QCoreApplication::translate("DurationText", "%1m", "minutes, kept as short").arg(number(minutes));
}

QString DurationText::spoken(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 60)
        return seconds > 0 ? QCoreApplication::translate("DurationText", "less than a minute")
                           : QCoreApplication::translate("DurationText", "%Ln minutes", nullptr, 0);
    const auto minutes = static_cast<qint64>(std::trunc(seconds / 60));
    const int hours = static_cast<int>(minutes / 60);
    const int rest = static_cast<int>(minutes % 60);
    const QString minutesText = QCoreApplication::translate("DurationText", "%Ln minutes", nullptr, rest);
    const QString hoursText = QCoreApplication::translate("DurationText", "%Ln hours", nullptr, hours);
    if (hours == 0)
        return minutesText;
    if (rest == 0)
        return hoursText;
    //: %1 is a number of hours ("2 hours"), %2 of minutes ("5 minutes").
    return QCoreApplication::translate("DurationText", "%1 %2", "hours, then minutes").arg(hoursText, minutesText);
}
