#include "DateLabels.h"

#include <QRegularExpression>

namespace {

// Separators that only make sense between two fields of a date.
const QString separators = QStringLiteral(" ,./-\u060C\u3001");

QString trimSeparators(QString text)
{
    while (!text.isEmpty() && separators.contains(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && separators.contains(text.back()))
        text.chop(1);
    return text;
}

} // namespace

QString DateLabels::formatWithoutYear(const QLocale& locale, bool withWeekday, bool shortMonth)
{
    QString format = locale.dateFormat(QLocale::LongFormat);
    // The year with a unit letter that belongs to it (年, 년, г.) goes as one piece.
    static const QRegularExpression year(QStringLiteral("y+\\s*(年|년|г\\.?)?"));
    format.remove(year);
    if (!withWeekday) {
        static const QRegularExpression weekday(QStringLiteral("dddd"));
        format.remove(weekday);
    }
    if (shortMonth)
        format.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    // Removing fields leaves doubled separators behind ("d. , MMMM"): keep the first of each run.
    static const QRegularExpression doubled(QStringLiteral("([,.]?\\s*)([ ,./-]\\s*)+(?=[dM])"));
    format.replace(doubled, QStringLiteral("\\1"));
    format = trimSeparators(format);
    return format.isEmpty() ? QStringLiteral("MMMM d") : format;
}

QString DateLabels::title(const QDate& date, const QDate& today, const QLocale& locale)
{
    if (date == today)
        return QStringLiteral("Today");
    if (date == today.addDays(-1))
        return QStringLiteral("Yesterday");
    return locale.toString(date, formatWithoutYear(locale, true, false));
}

QString DateLabels::axisLabel(const QDate& date, bool withWeekday, const QLocale& locale)
{
    if (withWeekday)
        return locale.toString(date, QStringLiteral("ddd"));
    return locale.toString(date, formatWithoutYear(locale, false, true));
}
