// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaylandIdle.h"

#include "WaylandConnection.h"

#include <ext-idle-notify-v1-client-protocol.h>
#include <idle-client-protocol.h>

struct WaylandIdle::Private
{
    ext_idle_notifier_v1* notifier = nullptr;
    org_kde_kwin_idle* kdeIdle = nullptr;
    ext_idle_notification_v1* notification = nullptr;
    org_kde_kwin_idle_timeout* kdeTimeout = nullptr;
    wl_seat* seat = nullptr;

    static void idled(void* data, ext_idle_notification_v1*) { static_cast<WaylandIdle*>(data)->onIdled(); }
    static void resumed(void* data, ext_idle_notification_v1*) { static_cast<WaylandIdle*>(data)->onResumed(); }
    static void kdeIdled(void* data, org_kde_kwin_idle_timeout*) { static_cast<WaylandIdle*>(data)->onIdled(); }
    static void kdeResumed(void* data, org_kde_kwin_idle_timeout*) { static_cast<WaylandIdle*>(data)->onResumed(); }
};

std::unique_ptr<WaylandIdle> WaylandIdle::create(WaylandConnection& connection, QObject* parent)
{
    auto d = std::make_unique<Private>();
    d->seat = connection.seat();
    if (!d->seat)
        return nullptr;
    d->notifier = static_cast<ext_idle_notifier_v1*>(connection.bind(&ext_idle_notifier_v1_interface, 1));
    if (!d->notifier)
        d->kdeIdle = static_cast<org_kde_kwin_idle*>(connection.bind(&org_kde_kwin_idle_interface, 1));
    if (!d->notifier && !d->kdeIdle)
        return nullptr;
    return std::unique_ptr<WaylandIdle>(new WaylandIdle(connection, std::move(d), parent));
}

WaylandIdle::WaylandIdle(WaylandConnection& connection, std::unique_ptr<Private> d, QObject* parent)
    : IdleSource(parent), m_connection(connection), d(std::move(d))
{
    m_clock.start();
}

WaylandIdle::~WaylandIdle()
{
    // Destroyed on a failed connection too: libwayland then sends nothing and only frees them.
    disarm();
    if (d->notifier)
        ext_idle_notifier_v1_destroy(d->notifier);
    if (d->kdeIdle)
        org_kde_kwin_idle_destroy(d->kdeIdle);
    m_connection.flush();
}

void WaylandIdle::setLimit(qint64 milliseconds)
{
    // Both protocols count the timeout in 32 bits of milliseconds (49 days); the time since the last input is
    // reckoned with the timeout the compositor was given.
    milliseconds = std::min<qint64>(milliseconds, UINT32_MAX);
    if (milliseconds <= 0 || (milliseconds == m_since.timeoutMs() && (d->notification || d->kdeTimeout)))
        return;
    m_since.armed(milliseconds);
    arm();
}

double WaylandIdle::secondsSinceLastInput() const
{
    return m_connection.hasFailed() ? 0 : m_since.secondsSinceLastInput(m_clock.elapsed());
}

QString WaylandIdle::description() const
{
    return d->notifier ? QStringLiteral("idle from ext_idle_notifier_v1")
                       : QStringLiteral("idle from org_kde_kwin_idle");
}

void WaylandIdle::arm()
{
    if (m_connection.hasFailed())
        return;
    disarm();
    const auto timeout = quint32(m_since.timeoutMs());
    if (d->notifier) {
        static const ext_idle_notification_v1_listener listener = {&Private::idled, &Private::resumed};
        d->notification = ext_idle_notifier_v1_get_idle_notification(d->notifier, timeout, d->seat);
        ext_idle_notification_v1_add_listener(d->notification, &listener, this);
    } else {
        static const org_kde_kwin_idle_timeout_listener listener = {&Private::kdeIdled, &Private::kdeResumed};
        d->kdeTimeout = org_kde_kwin_idle_get_idle_timeout(d->kdeIdle, d->seat, timeout);
        org_kde_kwin_idle_timeout_add_listener(d->kdeTimeout, &listener, this);
    }
    m_connection.flush();
}

void WaylandIdle::disarm()
{
    if (d->notification)
        ext_idle_notification_v1_destroy(d->notification);
    if (d->kdeTimeout)
        org_kde_kwin_idle_timeout_release(d->kdeTimeout);
    d->notification = nullptr;
    d->kdeTimeout = nullptr;
}

void WaylandIdle::onIdled()
{
    m_since.idled(m_clock.elapsed());
}

void WaylandIdle::onResumed()
{
    m_since.resumed();
}
