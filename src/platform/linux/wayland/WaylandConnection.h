// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

struct wl_display;
struct wl_interface;
struct wl_registry;
struct wl_seat;
class QSocketNotifier;

// This program's own connection to the Wayland compositor, whatever platform Qt's windows use: the globals the
// compositor offers, and its events dispatched from the event loop. Keeps libwayland out of other headers.
class WaylandConnection final : public QObject
{
    Q_OBJECT
public:
    // Whether a compositor answers at $WAYLAND_DISPLAY; needs no Qt application object.
    static bool displayReachable();
    // Connects to $WAYLAND_DISPLAY and learns the globals; none when no compositor answers.
    static std::unique_ptr<WaylandConnection> connect(QObject* parent = nullptr);
    ~WaylandConnection() override;

    // Whether the compositor offers a global with this interface name.
    bool offers(const QString& interface) const;
    // Binds the global with this interface at its version, at most `highestVersion`; null when not offered.
    void* bind(const wl_interface* interface, quint32 highestVersion);
    // The first seat, bound once; null when the compositor has none.
    wl_seat* seat();
    // Sends the requests made so far and waits until the compositor has handled them and sent its answers.
    bool roundTrip();
    // Sends the requests made so far without waiting.
    void flush();
    bool hasFailed() const;
    // The display's name, as the environment gives it ("wayland-0").
    QString displayName() const;
    // Round trips waited for so far, for measurements.
    quint64 roundTrips() const { return m_roundTrips; }

signals:
    // The compositor went away or closed the connection; every object bound on it is dead.
    void failed();

private:
    struct Global
    {
        quint32 name = 0;
        quint32 version = 0;
    };

    explicit WaylandConnection(wl_display* display, QObject* parent);
    void dispatch();
    void checkFailure();
    static void onGlobal(void* data, wl_registry* registry, quint32 name, const char* interface, quint32 version);
    static void onGlobalRemove(void* data, wl_registry* registry, quint32 name);

    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    QHash<QString, Global> m_globals; // first global of each interface
    QSocketNotifier* m_notifier = nullptr;
    bool m_failed = false;
    quint64 m_roundTrips = 0;
};
