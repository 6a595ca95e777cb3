// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "IdleSince.h"

#include <QElapsedTimer>

class X11Connection;
struct X11Event;

// Input idleness and display sleep on X11, from alarms on the server's idle time, so that a sample asks the
// server nothing: one when the idle limit is reached, one when input comes again, and one when DPMS could have
// put the display to sleep, from which on the display's power state is asked per sample. A server without
// those alarms is asked both per sample.
class X11Idle
{
public:
    // Sets the alarms, at the recorder's default idle limit until told the user's.
    explicit X11Idle(X11Connection& connection);

    void setLimit(qint64 milliseconds);
    void alarmWentOff(const X11Event& event);

    // 0 until the idle limit is reached (also once the server is gone); then the time since the last input.
    double secondsSinceLastInput() const;
    bool displayIsAsleep();

private:
    void watchDisplaySleep();

    X11Connection& m_x;
    IdleSince m_since;
    QElapsedTimer m_clock;
    bool m_displayMaySleep = false;
};
