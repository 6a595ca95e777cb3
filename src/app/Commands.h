// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Period.h"

#include <QString>

class BackupComputers;
class Clock;
class Places;
class Settings;

// What the command line can do without the desktop, beside a running recorder. Both read the
// history file at databasePath without creating it: no file is no history yet, and a file that
// cannot be read to the end is an error, never a shorter answer.
namespace Commands {

struct Outcome
{
    QString output; // for standard output
    QString error;  // empty on success; otherwise what went wrong, for standard error
};

// The period's items, largest first, one per line with its duration, then the total; excluded
// items are left out. With others, the other computers' newest copies are added (refreshed by the
// caller, whose notes say what was skipped).
Outcome report(const QString& databasePath, Period period, Clock& clock, Settings& settings,
               BackupComputers* others = nullptr);

// All history as CSV, exactly as the settings window exports it, written to path ("-": standard
// output). An existing file at path is replaced only when everything was written. An empty string
// on success, else what went wrong.
QString exportCsv(const QString& databasePath, const QString& path);

// Makes today's copy in the backup folder now. The copy's path as the output, or what went wrong.
Outcome backup(const QString& databasePath, Settings& settings, const Places& places, const Clock& clock);

} // namespace Commands
