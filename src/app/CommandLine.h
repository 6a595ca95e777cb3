#pragma once

#include "Period.h"

#include <QString>
#include <QStringList>

// What the user asked for on the command line.
struct CommandLine
{
    enum class Action { record, help, version, exportCsv, report };

    Action action = Action::record;
    QString path;                  // exportCsv: the file to write, "-" for standard output
    Period period = Period::today; // report
    QString error; // set when the arguments make no sense; the action is then meaningless

    // Reads the arguments after the program name.
    static CommandLine parse(const QStringList& arguments);
    static QString usage();
};
