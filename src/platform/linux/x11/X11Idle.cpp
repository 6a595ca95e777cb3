// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "X11Idle.h"

#include "X11Connection.h"

#include <algorithm>
#include <cstdint>

namespace {

// The recorder's own default, until told the user's limit.
constexpr qint64 defaultLimitMs = 2 * 60 * 1000;

} // namespace

X11Idle::X11Idle(X11Connection& connection) : m_x(connection)
{
    m_clock.start();
    setLimit(defaultLimitMs);
    watchDisplaySleep();
}

void X11Idle::setLimit(qint64 milliseconds)
{
    milliseconds = std::min<qint64>(milliseconds, UINT32_MAX); // as IdleSince counts it
    if (!m_x.hasIdleAlarms() || milliseconds <= 0 || milliseconds == m_since.timeoutMs())
        return;
    m_since.armed(milliseconds);
    // Should the user be idle that long already, the alarm goes off at once.
    m_x.setIdleAlarm(IdleAlarm::limitReached, milliseconds);
}

void X11Idle::alarmWentOff(const X11Event& event)
{
    switch (event.alarm) {
    case IdleAlarm::limitReached:
        m_since.idled(m_clock.elapsed(), event.idleMs);
        m_x.setIdleAlarm(IdleAlarm::inputAgain, event.idleMs);
        if (!m_displayMaySleep)
            watchDisplaySleep();
        break;
    case IdleAlarm::displayMaySleep:
        m_displayMaySleep = true;
        m_x.setIdleAlarm(IdleAlarm::inputAgain, event.idleMs);
        break;
    case IdleAlarm::inputAgain:
        m_since.resumed();
        m_displayMaySleep = false;
        m_x.setIdleAlarm(IdleAlarm::limitReached, m_since.timeoutMs());
        watchDisplaySleep();
        break;
    }
}

double X11Idle::secondsSinceLastInput() const
{
    if (!m_x.hasIdleAlarms())
        return m_x.millisecondsSinceInput().value_or(0) / 1000.0;
    return m_x.hasFailed() ? 0 : m_since.secondsSinceLastInput(m_clock.elapsed());
}

// DPMS puts the display to sleep by itself only once the user has been idle for one of its timeouts; before, the
// display is awake. One forced off (xset dpms force off) while the user is active is seen only from then on:
// who does that mostly locks the screen too, which logind and the screensaver services tell.
bool X11Idle::displayIsAsleep()
{
    if (m_x.hasIdleAlarms() && !m_displayMaySleep)
        return false;
    return m_x.displayIsAsleep();
}

// xset or a power manager may change the timeouts at any time: they are read again whenever the user comes back
// and once the idle limit is reached, so that one shortened while the user was active counts from then on.
void X11Idle::watchDisplaySleep()
{
    if (!m_x.hasIdleAlarms())
        return;
    if (const std::optional<qint64> idleMs = m_x.displaySleepIdleMs()) {
        m_x.setIdleAlarm(IdleAlarm::displayMaySleep, *idleMs);
    } else {
        m_x.clearIdleAlarm(IdleAlarm::displayMaySleep);
        m_displayMaySleep = false;
    }
}
