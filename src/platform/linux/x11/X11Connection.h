// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppIdentity.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

// The alarms this connection sets on the server's idle time. inputAgain goes off when the idle time falls below
// its value, that is on input since; the others when the idle time reaches theirs.
enum class IdleAlarm
{
    limitReached,
    displayMaySleep,
    inputAgain
};

// Something on the X server that changes what is in front, or an idle alarm that went off.
struct X11Event
{
    enum class Kind
    {
        activeWindowChanged,
        windowDestroyed,
        idleAlarm
    };
    Kind kind = Kind::activeWindowChanged;
    quint32 window = 0;
    IdleAlarm alarm = IdleAlarm::limitReached;
    qint64 idleMs = 0; // the idle time when the alarm went off

    bool operator==(const X11Event&) const = default;
};

// This program's own connection to the X server and the few requests it makes; keeps xcb out of other headers.
// Every query answers "unknown" (none, 0 or false) once the connection has failed.
class X11Connection
{
public:
    // What a connection is for: the windows (the active window, its client, its destruction) or the user's input
    // and the display (idle alarms, XScreenSaver, DPMS), each on a connection of its own so that neither reads
    // the other's events.
    enum class Use
    {
        windows,
        idle
    };

    // Connects to $DISPLAY and finds what this use needs, watching the active window for windows; none when no
    // display can be opened.
    static std::unique_ptr<X11Connection> open(Use use);
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    int fileDescriptor() const;
    bool hasFailed() const;
    // The display's name and which sources of this use were found, for one line in the log, e.g.
    // "X11 :1 (EWMH active window, X-Resource)" or "idle from SYNC IDLETIME alarms, no DPMS".
    QString sourcesDescription() const;

    // The events that have arrived, reading the socket first when `readSocket`.
    QList<X11Event> takeEvents(bool readSocket);
    // Called when waiting for a reply left events behind that the socket will not announce again.
    void setEventsLeftBehindHandler(std::function<void()> handler);

    // The window _NET_ACTIVE_WINDOW names; 0 when none.
    quint32 activeWindow();
    // The windows the window manager lists as applications' windows, oldest first.
    QList<quint32> clientWindows();
    // The window's properties and its client's pid, in one round trip; the process facts stay empty.
    WindowFacts windowFacts(quint32 window);
    // Asks to hear of the window's destruction; false when the window no longer exists.
    bool watchDestruction(quint32 window);
    // Whether the server counts the idle time in a SYNC counter, which setIdleAlarm needs.
    bool hasIdleAlarms() const;
    // Sets the alarm to go off once, as an X11Event, at this idle time; an alarm set anew forgets its last value.
    // One whose condition holds already goes off at once.
    void setIdleAlarm(IdleAlarm alarm, qint64 milliseconds);
    // Stops listening to the alarm.
    void clearIdleAlarm(IdleAlarm alarm);
    // Milliseconds since the last keyboard or pointer input, asked of the server; none without the XScreenSaver
    // extension.
    std::optional<quint32> millisecondsSinceInput();
    // Whether DPMS has put the display into standby, suspend or off; false without DPMS.
    bool displayIsAsleep();
    // The idle time after which DPMS may put the display to sleep: its shortest timeout while it is enabled; none
    // when it never will.
    std::optional<qint64> displaySleepIdleMs();

    // Replies waited for so far, for measurements.
    quint64 roundTrips() const;

private:
    struct Private;
    explicit X11Connection(std::unique_ptr<Private> d);

    std::unique_ptr<Private> d;
};
