// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "UsageItem.h"

#include <QHash>
#include <QString>
#include <optional>

// Reads the history in a copy straight from the synced folder, opened read-only and immutable, so that
// nothing of the copy (not even a lock or journal file) is ever written. A copy that is only partly
// there, damaged or not a history of this shape yields a reason instead of days.
namespace BackupReader {

enum class Fault
{
    incomplete,
    damaged,
    otherShape
};

struct Result
{
    QHash<QString, DayTotals> days; // by day key
    std::optional<Fault> fault;     // set: days is empty
};

// The stored totals of every day from `from` to `to` (day keys, both included) in the copy at path.
Result days(const QString& path, const QString& from, const QString& to);

} // namespace BackupReader
