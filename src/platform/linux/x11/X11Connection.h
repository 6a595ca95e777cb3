#pragma once

#include "AppIdentity.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

// Something on the X server that changes what is in front.
struct X11Event
{
    enum class Kind
    {
        activeWindowChanged,
        windowDestroyed
    };
    Kind kind = Kind::activeWindowChanged;
    quint32 window = 0;

    bool operator==(const X11Event&) const = default;
};

// This program's own connection to the X server and the few requests it makes; keeps xcb out of other headers.
// Every query answers "unknown" (none, 0 or false) once the connection has failed.
class X11Connection
{
public:
    // Connects to $DISPLAY and starts watching the active window; none when no display can be opened.
    static std::unique_ptr<X11Connection> open();
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    int fileDescriptor() const;
    bool hasFailed() const;
    // Which sources were found, for one line in the log.
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
    // Milliseconds since the last keyboard or pointer input; none without the XScreenSaver extension.
    std::optional<quint32> millisecondsSinceInput();
    // Whether DPMS has put the display into standby, suspend or off; false without DPMS.
    bool displayIsAsleep();

    // Replies waited for so far, for measurements.
    quint64 roundTrips() const;

private:
    struct Private;
    explicit X11Connection(std::unique_ptr<Private> d);

    std::unique_ptr<Private> d;
};
