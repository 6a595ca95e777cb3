// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <optional>

// One hold that keeps the display from sleeping while the user is idle (an inhibitor), by the process that
// owns it; 0 when that process cannot be told.
struct DisplaySleepHold
{
    qint64 pid = 0;

    bool operator==(const DisplaySleepHold&) const = default;
};

// Facts about the user's session: display, lock, console, input idleness, display-sleep holds
// and process ancestry. Every fact that cannot be told is "unknown" (an empty optional).
class SessionState
{
public:
    virtual ~SessionState() = default;

    virtual bool displayIsAsleep() const = 0;
    // False when the desktop cannot describe the session at all.
    virtual bool sessionIsKnown() const = 0;
    virtual std::optional<bool> screenIsLocked() const = 0;
    virtual std::optional<bool> onConsole() const = 0;
    virtual double secondsSinceLastInput() const = 0;
    // Every hold on display sleep, or none when the list cannot be read. May be slow: ask only when needed.
    virtual std::optional<QList<DisplaySleepHold>> displaySleepHolds() const = 0;
    virtual std::optional<qint64> parentProcess(qint64 pid) const = 0;
};
