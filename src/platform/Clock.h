// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QTimeZone>

// Wall-clock time and the calendar's time zone, injectable so that tests control both.
class Clock
{
public:
    virtual ~Clock() = default;
    // The current moment (any time spec; callers convert to timeZone() for calendar fields).
    virtual QDateTime now() const = 0;
    // The zone whose calendar days the day keys and day starts follow.
    virtual QTimeZone timeZone() const = 0;
    // Milliseconds on a clock that only moves forward, whatever is done to the wall clock; for
    // scheduling ("a minute since the last write"), never for dates.
    virtual qint64 monotonicMs() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
    QTimeZone timeZone() const override { return QTimeZone::systemTimeZone(); }
    qint64 monotonicMs() const override { return m_started.elapsed(); }

private:
    QElapsedTimer m_started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
};
