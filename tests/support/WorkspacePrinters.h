// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Workspace.h"

#include <QString>
#include <optional>
#include <ostream>

// Readable failure messages for the values of Workspace.h that tests compare (texts print through QtPrinters.h).
inline void PrintTo(const RunningApp& app, std::ostream* out)
{
    *out << "{" << app.desktopId.toStdString() << ", " << app.localizedName.toStdString() << ", " << app.pid << "}";
}
