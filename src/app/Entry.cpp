// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Entry.h"

#include "BackupComputers.h"
#include "BackupFolder.h"
#include "Clock.h"
#include "CommandLine.h"
#include "Commands.h"
#include "DesktopModule.h"
#include "Language.h"
#include "Program.h"
#include "Settings.h"
#include "ThisComputer.h"
#include "XdgAutostart.h"
#include "XdgPlaces.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

using Program::nameApplication;
using Program::printTo;

// Turns opening at login on or off ("on", "off"; anything else only reports), then prints the state.
int setLoginItem(const QString& value)
{
    XdgAutostart autostart;
    std::optional<QString> failure;
    if (value == QLatin1String("on"))
        failure = autostart.enable();
    else if (value == QLatin1String("off"))
        failure = autostart.disable();
    if (failure)
        printTo(stdout, QCoreApplication::translate("Entry", "failed: %1", "opening at login").arg(*failure) +
                            QLatin1Char('\n'));
    // The state is written as the option takes it, for scripts.
    printTo(stdout, autostart.isEnabled() ? QStringLiteral("on\n") : QStringLiteral("off\n"));
    return 0;
}

// What the command line does without the desktop.
int runCommand(const CommandLine& command)
{
    switch (command.action) {
    case CommandLine::Action::help:
        printTo(stdout, CommandLine::usage());
        return 0;
    case CommandLine::Action::version:
        printTo(stdout, QStringLiteral("Horavane %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    case CommandLine::Action::loginItem:
        return setLoginItem(command.loginItem);
    case CommandLine::Action::exportCsv: {
        const XdgPlaces places;
        const QString problem = Commands::exportCsv(places.databasePath(), command.path);
        if (problem.isEmpty())
            return 0;
        printTo(stderr, QStringLiteral("horavane: %1\n").arg(problem));
        return 1;
    }
    case CommandLine::Action::report: {
        const XdgPlaces places;
        SystemClock clock;
        Settings settings(places.settingsFile());
        std::optional<BackupComputers> others;
        if (command.allComputers) {
            ThisComputer::identify(settings);
            if (const std::optional<QString> problem = BackupFolder::problem(settings.backupFolder())) {
                //: %1 says why the other computers' backups cannot be read.
                const QString note = QCoreApplication::translate("Entry", "%1; showing this computer only");
                printTo(stderr, QStringLiteral("horavane: %1\n").arg(note.arg(*problem)));
            }
            others.emplace(settings);
            others->refresh();
        }
        const Commands::Outcome report =
            Commands::report(places.databasePath(), command.period, clock, settings, others ? &*others : nullptr);
        if (!report.error.isEmpty()) {
            printTo(stderr, QStringLiteral("horavane: %1\n").arg(report.error));
            return 1;
        }
        printTo(stdout, report.output);
        for (const QString& note : others ? others->notes() : QStringList())
            printTo(stderr, QStringLiteral("horavane: %1\n").arg(note));
        return 0;
    }
    case CommandLine::Action::backup: {
        const XdgPlaces places;
        SystemClock clock;
        Settings settings(places.settingsFile());
        ThisComputer::identify(settings);
        const Commands::Outcome backup = Commands::backup(places.databasePath(), settings, places, clock);
        if (backup.error.isEmpty()) {
            printTo(stdout, backup.output + QLatin1Char('\n'));
            return 0;
        }
        printTo(stderr, QStringLiteral("horavane: %1\n").arg(backup.error));
        return 1;
    }
    case CommandLine::Action::record:
    case CommandLine::Action::preview:
    case CommandLine::Action::installGnomeExtension:
        break; // needsDesktop(): the desktop module runs these
    }
    return 0;
}

} // namespace

int Entry::main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine command = CommandLine::parse(arguments);
    if (command.error.isEmpty() && command.needsDesktop())
        return DesktopModule::run(argc, argv, command);
    QCoreApplication app(argc, argv);
    nameApplication();
    Language::installFromEnvironment();
    if (!command.error.isEmpty()) {
        // Parsed again now that the language is installed, to tell the mistake in it.
        printTo(stderr,
                QStringLiteral("horavane: %1\n").arg(CommandLine::parse(arguments).error) + CommandLine::usage());
        return 2;
    }
    return runCommand(command);
}
