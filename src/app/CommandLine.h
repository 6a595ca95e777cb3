#pragma once

#include <QString>
#include <QStringList>

// What the user asked for on the command line.
struct CommandLine
{
    enum class Action { record, help, version };

    Action action = Action::record;
    QString error; // set when the arguments make no sense; the action is then meaningless

    // Reads the arguments after the program name.
    static CommandLine parse(const QStringList& arguments);
    static QString usage();
};
