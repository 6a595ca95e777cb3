// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaylandConnection.h"

#include <QSocketNotifier>
#include <cerrno>
#include <wayland-client.h>

bool WaylandConnection::displayReachable()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return false;
    const bool answers = wl_display_roundtrip(display) >= 0;
    wl_display_disconnect(display);
    return answers;
}

std::unique_ptr<WaylandConnection> WaylandConnection::connect(QObject* parent)
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return nullptr;
    std::unique_ptr<WaylandConnection> connection(new WaylandConnection(display, parent));
    if (!connection->roundTrip())
        return nullptr;
    return connection;
}

WaylandConnection::WaylandConnection(wl_display* display, QObject* parent) : QObject(parent), m_display(display)
{
    static const wl_registry_listener listener = {&WaylandConnection::onGlobal, &WaylandConnection::onGlobalRemove};
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &listener, this);
    m_notifier = new QSocketNotifier(wl_display_get_fd(m_display), QSocketNotifier::Read, this);
    QObject::connect(m_notifier, &QSocketNotifier::activated, this, &WaylandConnection::dispatch);
}

WaylandConnection::~WaylandConnection()
{
    // Objects bound by others are theirs to destroy first; disconnecting frees the rest on both sides.
    if (m_seat)
        wl_seat_destroy(m_seat);
    wl_registry_destroy(m_registry);
    wl_display_disconnect(m_display);
}

void WaylandConnection::onGlobal(void* data, wl_registry*, quint32 name, const char* interface, quint32 version)
{
    auto* self = static_cast<WaylandConnection*>(data);
    const QString key = QString::fromLatin1(interface);
    if (!self->m_globals.contains(key))
        self->m_globals.insert(key, Global{name, version});
}

void WaylandConnection::onGlobalRemove(void* data, wl_registry*, quint32 name)
{
    auto* self = static_cast<WaylandConnection*>(data);
    for (auto it = self->m_globals.begin(); it != self->m_globals.end(); ++it) {
        if (it->name == name) {
            self->m_globals.erase(it);
            return;
        }
    }
}

bool WaylandConnection::offers(const QString& interface) const
{
    return m_globals.contains(interface);
}

void* WaylandConnection::bind(const wl_interface* interface, quint32 highestVersion)
{
    const auto found = m_globals.constFind(QString::fromLatin1(interface->name));
    if (m_failed || found == m_globals.cend())
        return nullptr;
    return wl_registry_bind(m_registry, found->name, interface, std::min(found->version, highestVersion));
}

wl_seat* WaylandConnection::seat()
{
    if (!m_seat)
        m_seat = static_cast<wl_seat*>(bind(&wl_seat_interface, 1));
    return m_seat;
}

bool WaylandConnection::roundTrip()
{
    ++m_roundTrips;
    if (!m_failed && wl_display_roundtrip(m_display) < 0)
        checkFailure();
    return !m_failed;
}

void WaylandConnection::flush()
{
    if (!m_failed && wl_display_flush(m_display) < 0 && errno != EAGAIN)
        checkFailure();
}

bool WaylandConnection::hasFailed() const
{
    return m_failed;
}

QString WaylandConnection::displayName() const
{
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    return name.isEmpty() ? QStringLiteral("wayland-0") : name;
}

void WaylandConnection::dispatch()
{
    if (m_failed)
        return;
    // Read only when nothing is queued already; either way, handle what is queued.
    if (wl_display_prepare_read(m_display) == 0 && wl_display_read_events(m_display) < 0) {
        checkFailure();
        return;
    }
    if (wl_display_dispatch_pending(m_display) < 0) {
        checkFailure();
        return;
    }
    flush();
}

void WaylandConnection::checkFailure()
{
    if (m_failed)
        return;
    m_failed = true;
    m_notifier->setEnabled(false); // a closed socket would stay readable
    emit failed();
}
