// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// The options as `--help` and the manual page list them. Both read these tables, so they never disagree; the
// texts are English, which `--help` translates (context "CommandLine") and the manual page keeps.
namespace CommandLineOptions {

struct Option
{
    const char* names;       // "--report", "-h, --help"; empty for running without an option
    const char* argument;    // "[PERIOD]"; empty when the option takes none
    const char* description; // a phrase: lower case, no full stop
};

inline constexpr const char* summary =
    QT_TRANSLATE_NOOP("CommandLine", "Records where your time goes, application by application and site by site.");

inline constexpr Option program[] = {
    {"", "", QT_TRANSLATE_NOOP("CommandLine", "record in the background until quit")},
    {"--history", "", QT_TRANSLATE_NOOP("CommandLine", "also open the history window")},
    {"--login-item", "on|off", QT_TRANSLATE_NOOP("CommandLine", "open at login, or not; prints the resulting state")},
    {"--preview", "[options]", QT_TRANSLATE_NOOP("CommandLine", "show one view on sample data (options below)")},
    {"--report", "[PERIOD]", QT_TRANSLATE_NOOP("CommandLine", "print the time of today, yesterday, week or month")},
    {"--all-computers", "", QT_TRANSLATE_NOOP("CommandLine", "with --report: add the other computers' backups")},
    {"--backup", "", QT_TRANSLATE_NOOP("CommandLine", "copy the history to the backup folder now; prints the copy")},
    {"--export-csv", "PATH",
     QT_TRANSLATE_NOOP("CommandLine", "write all history as CSV to PATH (- for standard output)")},
    {"--gnome-extension", "install",
     QT_TRANSLATE_NOOP("CommandLine", "put the GNOME Shell extension in your extensions folder")},
    {"-h, --help", "", QT_TRANSLATE_NOOP("CommandLine", "show this help")},
    {"--version", "", QT_TRANSLATE_NOOP("CommandLine", "show the version")},
};

// What a preview reads from the arguments after --preview; without a view it shows the popover.
inline constexpr Option preview[] = {
    {"--window", "", QT_TRANSLATE_NOOP("CommandLine", "the history window")},
    {"--settings", "", QT_TRANSLATE_NOOP("CommandLine", "the settings window")},
    {"--welcome", "", QT_TRANSLATE_NOOP("CommandLine", "the welcome window")},
    {"--icons", "", QT_TRANSLATE_NOOP("CommandLine", "the tray ring at each setting")},
    {"--light", "", QT_TRANSLATE_NOOP("CommandLine", "in light colours instead of the desktop's")},
    {"--dark", "", QT_TRANSLATE_NOOP("CommandLine", "in dark colours instead of the desktop's")},
    {"--period", "PERIOD", QT_TRANSLATE_NOOP("CommandLine", "the history window's period (week unless given)")},
    {"--hover", "", QT_TRANSLATE_NOOP("CommandLine", "the history window with a bar under the pointer")},
    {"--minutes", "N", QT_TRANSLATE_NOOP("CommandLine", "the sample's minutes today (265 unless given)")},
    {"--empty", "", QT_TRANSLATE_NOOP("CommandLine", "no sample data")},
    {"--real", "", QT_TRANSLATE_NOOP("CommandLine", "your own history instead of sample data")},
    {"--colors", "N", QT_TRANSLATE_NOOP("CommandLine", "the number of chart colours")},
    {"--pointer", "X,Y", QT_TRANSLATE_NOOP("CommandLine", "move the pointer to X,Y in the window")},
    {"--png", "PATH", QT_TRANSLATE_NOOP("CommandLine", "save a picture of the window to PATH and quit")},
    {"--seconds", "S", QT_TRANSLATE_NOOP("CommandLine", "quit after S seconds (6 unless given)")},
};

} // namespace CommandLineOptions
