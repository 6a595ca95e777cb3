// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PreviewOptions.h"

namespace {

// The argument right after name; none when name is absent or last.
std::optional<QString> valueAfter(const QStringList& arguments, const QString& name)
{
    const qsizetype at = arguments.indexOf(name);
    if (at < 0 || at + 1 >= arguments.size())
        return std::nullopt;
    return arguments[at + 1];
}

std::optional<double> number(const std::optional<QString>& text)
{
    bool ok = false;
    const double value = text ? text->toDouble(&ok) : 0;
    return ok ? std::optional<double>(value) : std::nullopt;
}

// "x,y" with empty pieces and pieces that are not numbers dropped; exactly two numbers must remain.
std::optional<QPointF> point(const std::optional<QString>& text)
{
    if (!text)
        return std::nullopt;
    QList<double> numbers;
    for (const QString& piece : text->split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (const std::optional<double> value = number(piece))
            numbers.append(*value);
    if (numbers.size() != 2)
        return std::nullopt;
    return QPointF(numbers[0], numbers[1]);
}

} // namespace

PreviewOptions PreviewOptions::parse(const QStringList& arguments)
{
    const auto has = [&](const char* name) { return arguments.contains(QLatin1String(name)); };
    PreviewOptions options;
    if (has("--icons"))
        options.view = View::icons;
    else if (has("--settings"))
        options.view = View::settings;
    else if (has("--welcome"))
        options.view = View::welcome;
    else if (has("--window"))
        options.view = View::history;
    options.real = has("--real");
    options.empty = has("--empty");
    options.minutes = number(valueAfter(arguments, QStringLiteral("--minutes")));
    if (has("--light"))
        options.appearance = Appearance::light;
    else if (has("--dark"))
        options.appearance = Appearance::dark;
    bool ok = false;
    const std::optional<QString> colors = valueAfter(arguments, QStringLiteral("--colors"));
    const int count = colors ? colors->toInt(&ok) : 0;
    if (ok)
        options.colors = count;
    if (const std::optional<QString> period = valueAfter(arguments, QStringLiteral("--period")))
        options.period = Periods::fromRaw(*period).value_or(Period::week);
    options.hover = has("--hover");
    options.pointer = point(valueAfter(arguments, QStringLiteral("--pointer")));
    options.seconds = number(valueAfter(arguments, QStringLiteral("--seconds"))).value_or(6);
    options.png = valueAfter(arguments, QStringLiteral("--png")).value_or(QString());
    return options;
}
