#pragma once

#include "Period.h"

#include <QString>
#include <memory>
#include <utility>

class BackupComputers;
class Clock;
class Places;
class Settings;
class Store;

// What the command line can do without the desktop, beside a running recorder.
namespace Commands {

// The period's items, largest first, one per line with its duration, then the total; excluded
// items are left out. store may be null (no history yet). With others, the other computers' newest
// copies are added (refreshed by the caller, whose notes say what was skipped).
QString report(std::unique_ptr<Store> store, Period period, Clock& clock, Settings& settings,
               BackupComputers* others = nullptr);

// All history as CSV, exactly as the settings window exports it, written to path ("-": standard
// output). An empty string on success, else what went wrong.
QString exportCsv(Store* store, const QString& path);

// Makes today's copy in the backup folder now. The copy's path, or (second) what went wrong.
std::pair<QString, QString> backup(Store* store, Settings& settings, const Places& places, const Clock& clock);

} // namespace Commands
