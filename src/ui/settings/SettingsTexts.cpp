// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsTexts.h"

#include "Backup.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QRegularExpression>
#include <QStringList>
#include <QTimeZone>

#include <cmath>

namespace {

// Later than this many seconds after 1970 is no time a backup was made; such a value reads as never.
constexpr double latestPlausibleSeconds = 1e12;

// The number in a piece of text: decimal digits with an optional sign, nothing else.
std::optional<int> decimal(const QString& piece)
{
    qsizetype i = piece.startsWith(QLatin1Char('+')) || piece.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (i == piece.size())
        return std::nullopt;
    for (; i < piece.size(); ++i)
        if (piece[i] < QLatin1Char('0') || piece[i] > QLatin1Char('9'))
            return std::nullopt;
    bool ok = false;
    const int value = piece.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The largest whole number of steps from `from` that stays at or before `to` (both local times).
template <typename Step> qint64 wholeSteps(const QDateTime& from, const QDateTime& to, qint64 guess, Step step)
{
    qint64 n = std::max<qint64>(guess, 0);
    while (n > 0 && step(from, n) > to)
        --n;
    while (step(from, n + 1) <= to)
        ++n;
    return n;
}

// The locale's short clock time without seconds: some locales (the C locale among them) give seconds even in
// their short format, and a backup time needs only hours and minutes.
QString shortTime(const QTime& time, const QLocale& locale)
{
    static const QRegularExpression seconds(QStringLiteral("[:.]s{1,2}([.,]z{1,3})?"));
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(seconds);
    return locale.toString(time, format);
}

} // namespace

QString SettingsTexts::idleChoice(int minutes)
{
    //: A choice of "Stop counting after"
    return QCoreApplication::translate("SettingsTexts", "%Ln minutes idle", nullptr, minutes);
}

QString SettingsTexts::relativeDate(const QDateTime& date, const QDateTime& now)
{
    const bool past = date <= now;
    const QDateTime from = (past ? date : now).toLocalTime();
    const QDateTime to = (past ? now : date).toLocalTime();

    // Calendar units first, so a day across a clock change still counts as one day.
    const qint64 years = wholeSteps(from, to, to.date().year() - from.date().year(),
                                    [](const QDateTime& d, qint64 n) { return d.addYears(static_cast<int>(n)); });
    const QDateTime afterYears = from.addYears(static_cast<int>(years));
    const qint64 months =
        wholeSteps(afterYears, to, 0, [](const QDateTime& d, qint64 n) { return d.addMonths(static_cast<int>(n)); });
    const QDateTime afterMonths = afterYears.addMonths(static_cast<int>(months));
    const qint64 days =
        wholeSteps(afterMonths, to, afterMonths.daysTo(to), [](const QDateTime& d, qint64 n) { return d.addDays(n); });
    const qint64 seconds = afterMonths.addDays(days).secsTo(to);

    // Each unit's texts: counted into the past and the future, and the words for one of it.
    struct Unit
    {
        qint64 count;
        const char* ago;
        const char* ahead;
        const char* last; // none: one of it is counted like more
        const char* next;
    };
    const QList<Unit> units{
        {years, QT_TRANSLATE_N_NOOP("SettingsTexts", "%Ln Years Ago"),
         QT_TRANSLATE_N_NOOP("SettingsTexts", "In %Ln Years"), QT_TRANSLATE_NOOP("SettingsTexts", "Last Year"),
         QT_TRANSLATE_NOOP("SettingsTexts", "Next Year")},
        {months, QT_TRANSLATE_N_NOOP("SettingsTexts", "%Ln Months Ago"),
         QT_TRANSLATE_N_NOOP("SettingsTexts", "In %Ln Months"), QT_TRANSLATE_NOOP("SettingsTexts", "Last Month"),
         QT_TRANSLATE_NOOP("SettingsTexts", "Next Month")},
        {days / 7, QT_TRANSLATE_N_NOOP("SettingsTexts", "%Ln Weeks Ago"),
         QT_TRANSLATE_N_NOOP("SettingsTexts", "In %Ln Weeks"), QT_TRANSLATE_NOOP("SettingsTexts", "Last Week"),
         QT_TRANSLATE_NOOP("SettingsTexts", "Next Week")},
        {days % 7, QT_TRANSLATE_N_NOOP("SettingsTexts", "%Ln Days Ago"),
         QT_TRANSLATE_N_NOOP("SettingsTexts", "In %Ln Days"), QT_TRANSLATE_NOOP("SettingsTexts", "Yesterday"),
         QT_TRANSLATE_NOOP("SettingsTexts", "Tomorrow")},
        {seconds / 3600, QT_TRANSLATE_N_NOOP("SettingsTexts", "%Ln Hours Ago"),
         QT_TRANSLATE_N_NOOP("SettingsTexts", "In %Ln Hours"), nullptr, nullptr},
        {seconds % 3600 / 60, QT_TRANSLATE_N_NOOP("SettingsTexts", "%Ln Minutes Ago"),
         QT_TRANSLATE_N_NOOP("SettingsTexts", "In %Ln Minutes"), nullptr, nullptr},
        {seconds % 60, QT_TRANSLATE_N_NOOP("SettingsTexts", "%Ln Seconds Ago"),
         QT_TRANSLATE_N_NOOP("SettingsTexts", "In %Ln Seconds"), nullptr, nullptr},
    };
    for (const Unit& unit : units) {
        if (unit.count == 0)
            continue;
        if (unit.count == 1 && unit.last)
            return QCoreApplication::translate("SettingsTexts", past ? unit.last : unit.next);
        return QCoreApplication::translate("SettingsTexts", past ? unit.ago : unit.ahead, nullptr,
                                           static_cast<int>(unit.count));
    }
    //: A moment ago, as the last backup's time
    return QCoreApplication::translate("SettingsTexts", "Now");
}

QString SettingsTexts::backupStatus(const QString& problem, double lastBackup, const QDateTime& now,
                                    const QLocale& locale)
{
    if (!problem.isEmpty())
        return Backup::shownProblem(problem);
    if (!(lastBackup > 0) || !std::isfinite(lastBackup) || lastBackup > latestPlausibleSeconds)
        //: The last backup's time when there has been none
        return QCoreApplication::translate("SettingsTexts", "Not yet");
    const QDateTime date =
        QDateTime::fromMSecsSinceEpoch(std::llround(lastBackup * 1000), QTimeZone::utc()).toTimeZone(now.timeZone());
    //: The last backup's time. %1: a day or time span such as "Yesterday" or "3 Hours Ago"; %2: a time of day
    return QCoreApplication::translate("SettingsTexts", "%1 at %2")
        .arg(relativeDate(date, now), shortTime(date.time(), locale));
}

QString SettingsTexts::longDateFormat(const QLocale& locale)
{
    // Split into fields and the literal text between them; the weekday goes with the text that joins it on.
    const QString format = locale.dateFormat(QLocale::LongFormat);
    QStringList pieces;
    QList<bool> isField;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        const bool field = !quoted && (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y'));
        if (!pieces.isEmpty() && isField.last() == field && (!field || pieces.last().back() == c))
            pieces.last() += c;
        else {
            pieces.append(QString(c));
            isField.append(field);
        }
    }
    const auto hasLetter = [](const QString& text) {
        return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter() && c != QLatin1Char('\''); });
    };
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (!isField[i] || (pieces[i] != QLatin1String("dddd") && pieces[i] != QLatin1String("ddd")))
            continue;
        pieces.removeAt(i);
        isField.removeAt(i);
        if (i < pieces.size() && !isField[i] && !hasLetter(pieces[i])) {
            pieces.removeAt(i);
            isField.removeAt(i);
        } else if (i > 0 && !isField[i - 1] && !hasLetter(pieces[i - 1])) {
            pieces.removeAt(i - 1);
            isField.removeAt(i - 1);
        }
        break;
    }
    QString result = pieces.join(QString());
    const auto isJoiner = [](QChar c) { return c.isSpace() || c == QLatin1Char(',') || c == QChar(0x060C); };
    while (!result.isEmpty() && isJoiner(result.front()))
        result.remove(0, 1);
    while (!result.isEmpty() && isJoiner(result.back()))
        result.chop(1);
    return result.isEmpty() ? QStringLiteral("MMMM d, yyyy") : result;
}

QString SettingsTexts::copyTitle(const QString& day, const QLocale& locale)
{
    QList<int> numbers;
    for (const QString& piece : day.split(QLatin1Char('-'), Qt::SkipEmptyParts))
        if (const std::optional<int> number = decimal(piece))
            numbers.append(*number);
    if (numbers.size() != 3)
        return day;
    const QDate date(numbers[0], numbers[1], numbers[2]);
    if (!date.isValid())
        return day;
    return locale.toString(date, longDateFormat(locale));
}
