// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

// Input idleness as this desktop tells it: X11's idle alarms, a Wayland compositor's idle notification or Mutter's
// idle monitor. Most tell no "seconds since input", only that the user has been idle for a time asked for in
// advance: the time before it counts as no idleness. Nothing is armed until the limit is set.
class IdleSource : public QObject
{
public:
    using QObject::QObject;

    // Asks to be told after this many milliseconds without input; a different value asks anew.
    virtual void setLimit(qint64 milliseconds) = 0;
    // Seconds since the last input once the limit has passed without input; 0 before.
    virtual double secondsSinceLastInput() const = 0;
    // Whether the display sleeps, where the source can tell (X11's DPMS); elsewhere the lock and logind tell.
    virtual bool displayIsAsleep() { return false; }
    // Where idleness comes from, for the log.
    virtual QString description() const = 0;
};
