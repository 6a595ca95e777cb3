#pragma once

#include <QByteArray>
#include <optional>

// What the kernel tells about a process in /proc: its parent and its short name, read afresh on every call.
namespace ProcessInfo {

// The parent's process id (0 for the first process), or none when the process is gone or unreadable.
std::optional<qint64> parent(qint64 pid);

// The process's short name as the kernel keeps it (at most 15 bytes, no newline), empty when unknown.
QByteArray name(qint64 pid);

} // namespace ProcessInfo
