// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QString>
#include <optional>

// Horavane's GNOME Shell extension as a user sets it up: copied into the user's own extensions folder when no
// package installed it, and switched on in the shell's settings. GNOME Shell scans its extension folders only
// when it starts, so an extension installed while it runs starts at the next log-in.
namespace GnomeExtension {
extern const QString uuid;
// The shell versions the extension runs on.
extern const int oldestShell;
extern const int newestShell;

// What the shell makes of the extension.
enum class State
{
    notInstalled, // nowhere, or installed but not switched on
    needsLogIn,   // switched on, but the shell starts it only at the next log-in
    turnedOff,    // known to the running shell and not enabled, or user extensions are off
    outOfDate,    // the shell refuses the installed copy's version list
    failed,       // the shell tried and met an error
    running,
};

struct Status
{
    State state = State::notInstalled;
    int shellVersion = 0; // 0 when unknown
    QString error;        // the shell's words, when it failed

    bool operator==(const Status&) const = default;
};

// The shell's major version, from the running shell or else its program; 0 when neither tells.
int shellVersion(const QDBusConnection& bus);
// The extension's form for that shell version ("imports" or "modules"); empty when none runs there.
QString formFor(int shellVersion);
// The folder holding the extension, installed by a package or by the user; empty when none.
QString installedFolder();
// Copies the extension's form for this shell version into the user's extensions folder (replacing an older
// copy there). Refuses a version no form runs on. Returns what went wrong.
std::optional<QString> install(int shellVersion);
// The extension as the running shell and its settings know it.
Status status(const QDBusConnection& bus);

enum class Reinstall
{
    always,
    whenMissingOrOutOfDate
};
struct Enabled
{
    std::optional<QString> problem;
    bool atNextLogIn = false; // else the shell runs it now
};
// Installs the extension when asked or needed, switches it on in the shell's settings and, when the running shell
// knows it already, enables it at once.
Enabled enable(const QDBusConnection& bus, Reinstall reinstall);
} // namespace GnomeExtension
