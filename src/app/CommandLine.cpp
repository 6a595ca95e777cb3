#include "CommandLine.h"

namespace {

CommandLine failure(const QString& error)
{
    CommandLine result;
    result.error = error;
    return result;
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine result;
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
        if (argument == QLatin1String("--login-item") && i + 1 == arguments.size())
            continue; // without a value it changes nothing
        if (actionGiven)
            return failure(QStringLiteral("\"%1\" cannot be combined with another option").arg(argument));
        actionGiven = true;
        if (argument == QLatin1String("--login-item")) {
            result.action = Action::loginItem;
            result.loginItem = arguments[++i];
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            result.action = Action::help;
        } else if (argument == QLatin1String("--backup")) {
            result.action = Action::backup;
        } else if (argument == QLatin1String("--version")) {
            result.action = Action::version;
        } else if (argument == QLatin1String("--export-csv")) {
            if (!hasValue || arguments[i + 1].isEmpty())
                return failure(QStringLiteral("--export-csv needs a file name (or - for standard output)"));
            result.action = Action::exportCsv;
            result.path = arguments[++i];
        } else if (argument == QLatin1String("--report")) {
            result.action = Action::report;
            if (hasValue) {
                const std::optional<Period> period = Periods::fromRaw(arguments[++i]);
                if (!period)
                    return failure(QStringLiteral("unknown period \"%1\" (today, yesterday, week or month)")
                                       .arg(arguments[i]));
                result.period = *period;
            }
        } else {
            return failure(QStringLiteral("unknown option \"%1\"").arg(argument));
        }
    }
    if (result.allComputers && result.action != Action::report)
        return failure(QStringLiteral("--all-computers only goes with --report"));
    if (result.opensHistory && result.action != Action::record)
        return failure(QStringLiteral("--history only goes with recording"));
    return result;
}

QString CommandLine::usage()
{
    return QStringLiteral("Usage: horavane [option]\n"
                          "Records where your time goes, application by application and site by site.\n"
                          "\n"
                          "  (no option)             record in the background until quit\n"
                          "  --history               also open the history window\n"
                          "  --login-item on|off     open at login, or not; prints the resulting state\n"
                          "  --preview [options]     show one view on sample data (--window, --icons, --png PATH, …)\n"
                          "  --report [PERIOD]       print the time of today, yesterday, week or month\n"
                          "  --all-computers         with --report: add the other computers' backups\n"
                          "  --backup                copy the history to the backup folder now; prints the copy\n"
                          "  --export-csv PATH       write all history as CSV to PATH (- for standard output)\n"
                          "  --help                  show this help\n"
                          "  --version               show the version\n");
}
