// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "IdleSince.h"
#include "IdleSource.h"

#include <QElapsedTimer>
#include <memory>

class QSocketNotifier;
class X11Connection;
struct X11Event;

// Input idleness and display sleep on X11, from alarms on the server's idle time, so that a sample asks the
// server nothing: one when the idle limit is reached, one when input comes again, and one when DPMS could have
// put the display to sleep, from which on the display's power state is asked per sample. A server without
// those alarms is asked both per sample (XScreenSaver). Its own connection, apart from the windows'.
class X11Idle final : public IdleSource
{
    Q_OBJECT
public:
    // Connects to $DISPLAY; none when no X display can be opened.
    static std::unique_ptr<X11Idle> create(QString* whyNot, QObject* parent = nullptr);
    ~X11Idle() override;

    void setLimit(qint64 milliseconds) override;
    // 0 until the idle limit is reached (also once the server is gone); then the time since the last input.
    double secondsSinceLastInput() const override;
    // Whether DPMS has put the display into a power-saving state; false when the server has no DPMS.
    bool displayIsAsleep() override;
    // e.g. "idle from SYNC IDLETIME alarms, no DPMS".
    QString description() const override;
    // Replies from the X server waited for so far, for measurements.
    quint64 roundTrips() const;

private:
    X11Idle(std::unique_ptr<X11Connection> connection, QObject* parent);
    void readEvents(bool readSocket);
    void readEventsLater();
    void alarmWentOff(const X11Event& event);
    void watchDisplaySleep();

    std::unique_ptr<X11Connection> m_x;
    QSocketNotifier* m_notifier = nullptr;
    IdleSince m_since;
    QElapsedTimer m_clock;
    bool m_displayMaySleep = false;
    bool m_reading = false;
    bool m_readPosted = false;
};
