// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Workspace.h"

#include "DesktopEntries.h"

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <optional>

// Identity of windows that a Wayland compositor names by app id (the desktop id, or a class-like name the
// program chose) rather than by X properties.
namespace AppIdIdentity {
// The application an app id stands for, with the same order of rules as for X windows; the pid is the
// compositor's when it gives one (0 otherwise), else that of the process running the entry's program.
std::optional<RunningApp> resolve(const QString& appId, qint64 pid, const DesktopEntries& entries,
                                  const QString& procRoot = QStringLiteral("/proc"));
// This user's process that runs a program (its comm, at most 15 bytes): of those, the one whose parent does not
// run it too (a browser's first process, not its helpers); the lowest pid when several; 0 when none.
qint64 processOf(const QString& program, const QString& procRoot = QStringLiteral("/proc"));
} // namespace AppIdIdentity

// The applications behind windows, over an index of the desktop entries made at the first need and made again,
// at most once a minute, when a window names no entry (an application installed since).
class AppIdApplications
{
public:
    // This program's own application identifier, which its windows carry as their app id.
    static QString ownIdentifier();
    // This program's process name.
    static QString ownProcessName();
    // This program, as a window of its own shows it.
    static RunningApp own();

    // The application of a window with this app id and pid (0 when the compositor gives none); this program's
    // own windows are this program.
    std::optional<RunningApp> describe(const QString& appId, qint64 pid);
    // The application `resolve` finds in the index, asked once more of a fresh index when the one it found has
    // no entry there.
    std::optional<RunningApp> describe(const std::function<std::optional<RunningApp>(const DesktopEntries&)>& resolve);

private:
    void index();

    std::optional<DesktopEntries> m_entries;
    QElapsedTimer m_indexed;
};
