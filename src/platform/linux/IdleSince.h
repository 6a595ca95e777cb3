// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <optional>

// Seconds since the last input, from a notification that says only "idle for the timeout now" and "input again".
// A notification sends `idled` a timeout after the last input, so the last input was at idled − timeout; before
// that, the input is recent enough to count as none. Times are milliseconds on one monotonic clock.
class IdleSince
{
public:
    // A new notification with this timeout replaces the last one. It starts as "not idle": the user just acted
    // (changing the idle limit takes input), and a new notification would not tell a resume it never saw.
    void armed(qint64 timeoutMs);
    // `idleMs`: how long the user has been idle, where the notification tells; else the timeout.
    void idled(qint64 nowMs, std::optional<qint64> idleMs = std::nullopt);
    void resumed();

    // 0 until the notification goes idle; then the time since the last input.
    double secondsSinceLastInput(qint64 nowMs) const;
    qint64 timeoutMs() const { return m_timeoutMs; }

private:
    qint64 m_timeoutMs = 0;
    std::optional<qint64> m_lastInputMs; // set while idle
};
