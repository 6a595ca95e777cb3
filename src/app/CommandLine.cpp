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
        if (actionGiven)
            return failure(QStringLiteral("\"%1\" cannot be combined with another option").arg(argument));
        actionGiven = true;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            result.action = Action::help;
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
    return result;
}

QString CommandLine::usage()
{
    return QStringLiteral("Usage: horavane [option]\n"
                          "Records where your time goes, application by application and site by site.\n"
                          "\n"
                          "  (no option)             record in the background until quit\n"
                          "  --report [PERIOD]       print the time of today, yesterday, week or month\n"
                          "  --export-csv PATH       write all history as CSV to PATH (- for standard output)\n"
                          "  --help                  show this help\n"
                          "  --version               show the version\n");
}
