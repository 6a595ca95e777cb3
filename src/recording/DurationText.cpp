#include "DurationText.h"

#include <cmath>

QString DurationText::string(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 60)
        return seconds > 0 ? QStringLiteral("<1m") : QStringLiteral("0m");
    const auto minutes = static_cast<qint64>(std::trunc(seconds / 60));
    const qint64 hours = minutes / 60;
    const qint64 rest = minutes % 60;
    if (minutes >= 60)
        return rest != 0 ? QStringLiteral("%1h %2m").arg(hours).arg(rest) : QStringLiteral("%1h").arg(hours);
    return QStringLiteral("%1m").arg(minutes);
}

QString DurationText::spoken(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 60)
        return seconds > 0 ? QStringLiteral("less than a minute") : QStringLiteral("0 minutes");
    const auto minutes = static_cast<qint64>(std::trunc(seconds / 60));
    const qint64 hours = minutes / 60;
    const qint64 rest = minutes % 60;
    // Whole phrases per case, so each can be translated with its own plural forms.
    if (hours == 0)
        return rest == 1 ? QStringLiteral("1 minute") : QStringLiteral("%1 minutes").arg(rest);
    if (rest == 0)
        return hours == 1 ? QStringLiteral("1 hour") : QStringLiteral("%1 hours").arg(hours);
    if (hours == 1)
        return rest == 1 ? QStringLiteral("1 hour 1 minute") : QStringLiteral("1 hour %1 minutes").arg(rest);
    return rest == 1 ? QStringLiteral("%1 hours 1 minute").arg(hours)
                     : QStringLiteral("%1 hours %2 minutes").arg(hours).arg(rest);
}
