// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Workspace.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class DesktopEntries;

// What the desktop and the kernel tell about a window and the process that drew it.
struct WindowFacts
{
    QString gtkApplicationId{}; // _GTK_APPLICATION_ID
    QString kdeDesktopFile{};   // _KDE_NET_WM_DESKTOP_FILE
    QString instance{};         // WM_CLASS, first part
    QString windowClass{};      // WM_CLASS, second part
    qint64 pid = 0;             // 0 when unknown
    QString flatpakId{};        // the sandbox's application, from its .flatpak-info
    QString cgroup{};           // /proc/PID/cgroup
    QString command{};          // /proc/PID/comm
};

// The application a systemd unit in a process's cgroup belongs to.
struct ScopeApp
{
    enum class Kind
    {
        desktop,
        flatpak,
        snap
    };
    Kind kind = Kind::desktop;
    QStringList ids; // desktop ids it may stand for, most likely first

    bool operator==(const ScopeApp&) const = default;
};

namespace AppIdentity {
// A string property's text as the window's client set it: up to the first NUL, UTF-8 when its type is
// UTF8_STRING, else Latin-1.
QString propertyText(QByteArray bytes, bool utf8);
// WM_CLASS: the instance and the class, each ended by a NUL.
void readWindowClass(WindowFacts& facts, const QByteArray& wmClass);
// The application unit in a /proc/PID/cgroup text ("app-gnome-firefox\x2desr-34054.scope"), or none.
std::optional<ScopeApp> scopeApp(const QString& cgroupText);
// The application id in a .flatpak-info text, empty when there is none.
QString flatpakId(const QByteArray& infoText);
// Fills the process facts of a pid from a proc folder (cgroup, comm and the Flatpak id); unreadable ones stay empty.
void readProcess(WindowFacts& facts, const QString& procRoot = QStringLiteral("/proc"));
// The application a window belongs to: its stable id, display name and pid; none when nothing at all is known.
std::optional<RunningApp> resolve(const WindowFacts& facts, const DesktopEntries& entries);
} // namespace AppIdentity
