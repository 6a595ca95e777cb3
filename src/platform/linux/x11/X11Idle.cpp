// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "X11Idle.h"

#include "X11Connection.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cstdint>

std::unique_ptr<X11Idle> X11Idle::create(QString* whyNot, QObject* parent)
{
    std::unique_ptr<X11Connection> connection = X11Connection::open(X11Connection::Use::idle);
    if (!connection) {
        *whyNot = QStringLiteral("no X display at \"%1\"").arg(qEnvironmentVariable("DISPLAY"));
        return nullptr;
    }
    return std::unique_ptr<X11Idle>(new X11Idle(std::move(connection), parent));
}

X11Idle::X11Idle(std::unique_ptr<X11Connection> connection, QObject* parent)
    : IdleSource(parent), m_x(std::move(connection))
{
    m_clock.start();
    m_notifier = new QSocketNotifier(m_x->fileDescriptor(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { readEvents(true); });
    m_x->setEventsLeftBehindHandler([this] { readEventsLater(); });
    watchDisplaySleep();
}

X11Idle::~X11Idle() = default;

void X11Idle::setLimit(qint64 milliseconds)
{
    milliseconds = std::min<qint64>(milliseconds, UINT32_MAX); // as IdleSince counts it
    if (!m_x->hasIdleAlarms() || milliseconds <= 0 || milliseconds == m_since.timeoutMs())
        return;
    m_since.armed(milliseconds);
    // Should the user be idle that long already, the alarm goes off at once.
    m_x->setIdleAlarm(IdleAlarm::limitReached, milliseconds);
}

double X11Idle::secondsSinceLastInput() const
{
    if (!m_x->hasIdleAlarms())
        return m_x->millisecondsSinceInput().value_or(0) / 1000.0;
    return m_x->hasFailed() ? 0 : m_since.secondsSinceLastInput(m_clock.elapsed());
}

// DPMS puts the display to sleep by itself only once the user has been idle for one of its timeouts; before, the
// display is awake. One forced off (xset dpms force off) while the user is active is seen only from then on:
// who does that mostly locks the screen too, which logind and the screensaver services tell.
bool X11Idle::displayIsAsleep()
{
    if (m_x->hasIdleAlarms() && !m_displayMaySleep)
        return false;
    return m_x->displayIsAsleep();
}

QString X11Idle::description() const
{
    return m_x->sourcesDescription();
}

quint64 X11Idle::roundTrips() const
{
    return m_x->roundTrips();
}

void X11Idle::readEvents(bool readSocket)
{
    if (m_reading)
        return;
    m_reading = true;
    for (QList<X11Event> events = m_x->takeEvents(readSocket); !events.isEmpty(); events = m_x->takeEvents(false)) {
        for (const X11Event& event : std::as_const(events))
            if (event.kind == X11Event::Kind::idleAlarm)
                alarmWentOff(event);
    }
    m_reading = false;
    if (m_x->hasFailed()) // the server is gone: stop watching a socket that would stay readable
        m_notifier->setEnabled(false);
}

// Waiting for a reply (the display's power state, asked by a sample) may have read alarms from the socket.
void X11Idle::readEventsLater()
{
    if (m_reading || m_readPosted)
        return;
    m_readPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_readPosted = false;
            readEvents(false);
        },
        Qt::QueuedConnection);
}

void X11Idle::alarmWentOff(const X11Event& event)
{
    switch (event.alarm) {
    case IdleAlarm::limitReached:
        m_since.idled(m_clock.elapsed(), event.idleMs);
        m_x->setIdleAlarm(IdleAlarm::inputAgain, event.idleMs);
        if (!m_displayMaySleep)
            watchDisplaySleep();
        break;
    case IdleAlarm::displayMaySleep:
        m_displayMaySleep = true;
        m_x->setIdleAlarm(IdleAlarm::inputAgain, event.idleMs);
        break;
    case IdleAlarm::inputAgain:
        m_since.resumed();
        m_displayMaySleep = false;
        if (m_since.timeoutMs() > 0)
            m_x->setIdleAlarm(IdleAlarm::limitReached, m_since.timeoutMs());
        watchDisplaySleep();
        break;
    }
}

// xset or a power manager may change the timeouts at any time: they are read again whenever the user comes back
// and once the idle limit is reached, so that one shortened while the user was active counts from then on.
void X11Idle::watchDisplaySleep()
{
    if (!m_x->hasIdleAlarms())
        return;
    if (const std::optional<qint64> idleMs = m_x->displaySleepIdleMs()) {
        m_x->setIdleAlarm(IdleAlarm::displayMaySleep, *idleMs);
    } else {
        m_x->clearIdleAlarm(IdleAlarm::displayMaySleep);
        m_displayMaySleep = false;
    }
}
