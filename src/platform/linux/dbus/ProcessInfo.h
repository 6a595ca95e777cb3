// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <optional>

// What the kernel tells about a process in /proc: its parent, read afresh on every call.
namespace ProcessInfo {

// The parent's process id (0 for the first process), or none when the process is gone or unreadable.
std::optional<qint64> parent(qint64 pid);

} // namespace ProcessInfo
