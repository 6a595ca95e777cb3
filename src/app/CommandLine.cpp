#include "CommandLine.h"

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine result;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            result.action = Action::help;
        else if (argument == QLatin1String("--version"))
            result.action = Action::version;
        else {
            result.error = QStringLiteral("unknown option \"%1\"").arg(argument);
            return result;
        }
    }
    return result;
}

QString CommandLine::usage()
{
    return QStringLiteral("Usage: horavane [option]\n"
                          "Records where your time goes, application by application and site by site.\n"
                          "\n"
                          "  (no option)   record in the background until quit\n"
                          "  --help        show this help\n"
                          "  --version     show the version\n");
}
