// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Period.h"
#include "PreviewOptions.h"

#include <QString>
#include <QStringList>

// What the user asked for on the command line.
struct CommandLine
{
    enum class Action { record, preview, help, version, exportCsv, report, loginItem, backup, installGnomeExtension };

    Action action = Action::record;
    QString path;                  // exportCsv: the file to write, "-" for standard output
    QString loginItem;             // loginItem: "on", "off" or anything else (then only the status is printed)
    bool opensHistory = false;     // record: present the history window at launch
    Period period = Period::today; // report
    bool allComputers = false;     // report: add the other computers' copies in the backup folder
    PreviewOptions preview;        // preview
    QString error;                 // set when the arguments make no sense; the action is then meaningless

    // Whether the action runs in the desktop module, with the GUI, display and D-Bus libraries.
    bool needsDesktop() const;

    // Reads the arguments after the program name.
    static CommandLine parse(const QStringList& arguments);
    static QString usage();
};
