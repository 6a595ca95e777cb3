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
