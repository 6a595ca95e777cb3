// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include "CommandLineOptions.h"

#include <QCoreApplication>

namespace {

CommandLine failure(const QString& error)
{
    CommandLine result;
    result.error = error;
    return result;
}

// Options that Qt itself or a session manager puts on the command line (a restored session starts the
// program with "-session ID"); Qt reads them, so they are not mistakes. Each may come with one or two dashes.
const QStringList qtOptionsWithValue = {
    QStringLiteral("session"),    QStringLiteral("style"),           QStringLiteral("stylesheet"),
    QStringLiteral("platform"),   QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),     QStringLiteral("display"),         QStringLiteral("geometry"),
    QStringLiteral("title"),      QStringLiteral("name"),            QStringLiteral("visual"),
    QStringLiteral("ncols"),      QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowtitle"),
    QStringLiteral("qwindowicon"),
};
const QStringList qtFlags = {
    QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"), QStringLiteral("dograb"),
    QStringLiteral("sync"),    QStringLiteral("cmap"),        QStringLiteral("testability"),
};

// How many arguments a Qt option takes up at `at` (itself and its value), 0 when it is none.
int qtOptionLength(const QStringList& arguments, qsizetype at)
{
    QString name = arguments[at];
    if (name.startsWith(QLatin1String("--")))
        name.remove(0, 2);
    else if (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    else
        return 0;
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    if (equals > 0)
        return qtOptionsWithValue.contains(name.left(equals)) || name.startsWith(QLatin1String("qmljsdebugger="))
                   ? 1
                   : 0;
    if (qtFlags.contains(name))
        return 1;
    if (qtOptionsWithValue.contains(name) && at + 1 < arguments.size())
        return 2;
    return 0;
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine result;
    // A preview takes every other argument as one of its own options.
    if (arguments.contains(QLatin1String("--preview"))) {
        result.action = Action::preview;
        result.preview = PreviewOptions::parse(arguments);
        return result;
    }
    // The first "--login-item" decides before anything else; a later one, or one without a value, counts for
    // nothing.
    const qsizetype loginItem = arguments.indexOf(QLatin1String("--login-item"));
    if (loginItem >= 0 && loginItem + 1 < arguments.size()) {
        result.action = Action::loginItem;
        result.loginItem = arguments[loginItem + 1];
        return result;
    }
    bool actionGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--"));
        if (argument == QLatin1String("--history")) {
            result.opensHistory = true;
            continue;
        }
        if (argument == QLatin1String("--all-computers")) {
            result.allComputers = true;
            continue;
        }
        if (argument == QLatin1String("--login-item"))
            continue; // without a value it changes nothing
        if (const int length = qtOptionLength(arguments, i)) {
            i += length - 1;
            continue;
        }
        if (actionGiven)
            //: %1 is an option as the user typed it.
            return failure(QCoreApplication::translate("CommandLine", "\"%1\" cannot be combined with another option")
                               .arg(argument));
        actionGiven = true;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            result.action = Action::help;
        } else if (argument == QLatin1String("--backup")) {
            result.action = Action::backup;
        } else if (argument == QLatin1String("--version")) {
            result.action = Action::version;
        } else if (argument == QLatin1String("--export-csv")) {
            if (!hasValue || arguments[i + 1].isEmpty())
                //: Options and their values stay as they are.
                return failure(QCoreApplication::translate(
                    "CommandLine", "--export-csv needs a file name (or - for standard output)"));
            result.action = Action::exportCsv;
            result.path = arguments[++i];
        } else if (argument == QLatin1String("--gnome-extension")) {
            if (!hasValue || arguments[++i] != QLatin1String("install"))
                //: Options and their values stay as they are.
                return failure(QCoreApplication::translate("CommandLine", "--gnome-extension takes \"install\""));
            result.action = Action::installGnomeExtension;
        } else if (argument == QLatin1String("--report")) {
            result.action = Action::report;
            if (hasValue) {
                const std::optional<Period> period = Periods::fromRaw(arguments[++i]);
                if (!period)
                    //: "today", "yesterday", "week" and "month" are what --report takes: they stay as they are.
                    return failure(QCoreApplication::translate(
                                       "CommandLine", "unknown period \"%1\" (today, yesterday, week or month)")
                                       .arg(arguments[i]));
                result.period = *period;
            }
        } else {
            return failure(QCoreApplication::translate("CommandLine", "unknown option \"%1\"").arg(argument));
        }
    }
    if (result.allComputers && result.action != Action::report)
        //: Options and their values stay as they are.
        return failure(QCoreApplication::translate("CommandLine", "--all-computers only goes with --report"));
    if (result.opensHistory && result.action != Action::record)
        //: Options and their values stay as they are.
        return failure(QCoreApplication::translate("CommandLine", "--history only goes with recording"));
    return result;
}

bool CommandLine::needsDesktop() const
{
    return action == Action::record || action == Action::preview || action == Action::installGnomeExtension;
}

QString CommandLine::usage()
{
    const auto translated = [](const char* text) { return QCoreApplication::translate("CommandLine", text); };
    // Descriptions start in one column; a longer option gets a line of its own.
    const auto list = [&translated](const auto& options) {
        constexpr qsizetype column = 26;
        QString text;
        for (const CommandLineOptions::Option& option : options) {
            QString left = *option.names == '\0' ? translated(QT_TRANSLATE_NOOP("CommandLine", "(no option)"))
                                                 : QString::fromLatin1(option.names);
            if (*option.argument != '\0')
                left += QLatin1Char(' ') + QLatin1String(option.argument);
            left.prepend(QStringLiteral("  "));
            left = left.size() < column ? left.leftJustified(column)
                                        : left + QLatin1Char('\n') + QString(column, QLatin1Char(' '));
            text += left + translated(option.description) + QLatin1Char('\n');
        }
        return text;
    };
    return translated(QT_TRANSLATE_NOOP("CommandLine", "Usage: horavane [option]")) + QLatin1Char('\n') +
           translated(CommandLineOptions::summary) + QStringLiteral("\n\n") + list(CommandLineOptions::program) +
           QLatin1Char('\n') + translated(QT_TRANSLATE_NOOP("CommandLine", "Preview options:")) + QLatin1Char('\n') +
           list(CommandLineOptions::preview);
}
