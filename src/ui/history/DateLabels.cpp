// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DateLabels.h"

#include <QCoreApplication>

namespace {

// One piece of a date format: a field such as "dddd" or "MMMM", or the literal text between fields.
struct Token
{
    QString text;
    bool field = false;
};

QList<Token> tokenize(const QString& format)
{
    QList<Token> tokens;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        const bool field = !quoted && (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y'));
        if (!tokens.isEmpty() && tokens.last().field == field && (!field || tokens.last().text.back() == c))
            tokens.last().text += c;
        else
            tokens.append(Token{QString(c), field});
    }
    return tokens;
}

// Literal text with a letter in it is a unit that belongs to a field (年, 'г'.), not a mere separator.
bool hasLetter(const Token& token)
{
    for (const QChar c : token.text)
        if (c.isLetter() && c != QLatin1Char('\''))
            return true;
    return false;
}

bool isSeparator(const QList<Token>& tokens, qsizetype index)
{
    return index >= 0 && index < tokens.size() && !tokens[index].field && !hasLetter(tokens[index]);
}

// Removes the field at index with the text that joined it to its neighbours. A year takes its unit (年, 'г'.)
// or its connecting word ('de') along.
void removeField(QList<Token>& tokens, qsizetype index, bool isYear)
{
    tokens.removeAt(index);
    const bool hasNext = index < tokens.size() && !tokens[index].field;
    const bool hasPrevious = index > 0 && !tokens[index - 1].field;
    if (isYear && hasNext && hasLetter(tokens[index]))
        tokens.removeAt(index);
    else if (hasPrevious && index - 1 > 0 && (isYear || isSeparator(tokens, index - 1)))
        tokens.removeAt(index - 1);
    else if (isSeparator(tokens, index))
        tokens.removeAt(index);
}

// Punctuation that only joins fields, so it has no place at either end.
bool isJoiner(QChar c)
{
    return c.isSpace() || c == QLatin1Char(',') || c == QChar(0x060C) || c == QChar(0x3001) || c == QLatin1Char('-') ||
           c == QLatin1Char('/');
}

} // namespace

QString DateLabels::formatWithoutYear(const QLocale& locale, bool withWeekday, bool shortMonth)
{
    QList<Token> tokens = tokenize(locale.dateFormat(QLocale::LongFormat));
    const auto find = [&tokens](auto matches) -> qsizetype {
        for (qsizetype i = 0; i < tokens.size(); ++i)
            if (tokens[i].field && matches(tokens[i].text))
                return i;
        return -1;
    };
    const auto isYear = [](const QString& text) { return text.startsWith(QLatin1Char('y')); };
    const auto isWeekday = [](const QString& text) { return text == QLatin1String("dddd"); };
    for (qsizetype i = find(isYear); i >= 0; i = find(isYear))
        removeField(tokens, i, true);
    if (!withWeekday)
        for (qsizetype i = find(isWeekday); i >= 0; i = find(isWeekday))
            removeField(tokens, i, false);
    if (shortMonth)
        for (Token& token : tokens)
            if (token.field && token.text == QLatin1String("MMMM"))
                token.text = QStringLiteral("MMM");
    if (!tokens.isEmpty() && !tokens.first().field)
        while (!tokens.first().text.isEmpty() && isJoiner(tokens.first().text.front()))
            tokens.first().text.remove(0, 1);
    if (!tokens.isEmpty() && !tokens.last().field)
        while (!tokens.last().text.isEmpty() && isJoiner(tokens.last().text.back()))
            tokens.last().text.chop(1);
    QString format;
    for (const Token& token : std::as_const(tokens))
        format += token.text;
    return format.isEmpty() ? QStringLiteral("MMMM d") : format;
}

QString DateLabels::title(const QDate& date, const QDate& today, const QLocale& locale)
{
    if (date == today)
        return QCoreApplication::translate("DateLabels", "Today", "a day's name");
    if (date == today.addDays(-1))
        return QCoreApplication::translate("DateLabels", "Yesterday", "a day's name");
    return locale.toString(date, formatWithoutYear(locale, true, false));
}

QString DateLabels::axisLabel(const QDate& date, bool withWeekday, const QLocale& locale)
{
    if (withWeekday)
        return locale.standaloneDayName(date.dayOfWeek(), QLocale::ShortFormat);
    return locale.toString(date, formatWithoutYear(locale, false, true));
}
