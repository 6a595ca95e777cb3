// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

// Input idleness on Wayland, where the compositor tells no "seconds since input", only that the user has been
// idle for a time asked for in advance: the time before it counts as no idleness.
class IdleSource : public QObject
{
public:
    using QObject::QObject;

    // Asks to be told after this many milliseconds without input; a different value asks anew.
    virtual void setLimit(qint64 milliseconds) = 0;
    // Seconds since the last input once the limit has passed without input; 0 before.
    virtual double secondsSinceLastInput() const = 0;
    // Where idleness comes from, for the log.
    virtual QString description() const = 0;
};
