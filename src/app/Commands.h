#pragma once

#include "Period.h"

#include <QString>
#include <memory>

class Clock;
class Settings;
class Store;

// What the command line can do without the desktop, beside a running recorder.
namespace Commands {

// The period's items, largest first, one per line with its duration, then the total; excluded
// items are left out. store may be null (no history yet).
QString report(std::unique_ptr<Store> store, Period period, Clock& clock, Settings& settings);

// All history as CSV, exactly as the settings window exports it, written to path ("-": standard
// output). An empty string on success, else what went wrong.
QString exportCsv(Store* store, const QString& path);

} // namespace Commands
