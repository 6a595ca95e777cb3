// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MutterIdle.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <utility>

namespace {
const QString service = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString path = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");
const QString interface = QStringLiteral("org.gnome.Mutter.IdleMonitor");
} // namespace

std::unique_ptr<MutterIdle> MutterIdle::create(QDBusConnection bus, QObject* parent)
{
    if (!bus.interface() || !bus.interface()->isServiceRegistered(service).value())
        return nullptr;
    return std::unique_ptr<MutterIdle>(new MutterIdle(std::move(bus), parent));
}

MutterIdle::MutterIdle(QDBusConnection bus, QObject* parent)
    : IdleSource(parent), m_bus(std::move(bus)),
      m_watcher(new QDBusServiceWatcher(service, m_bus, QDBusServiceWatcher::WatchForRegistration, this))
{
    m_clock.start();
    m_bus.connect(service, path, interface, QStringLiteral("WatchFired"), this, SLOT(watchFired(uint)));
    // A restarted shell has forgotten the watches.
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        m_idleWatch.id = m_activeWatch.id = 0;
        arm();
    });
}

MutterIdle::~MutterIdle()
{
    removeWatch(&m_idleWatch);
    removeWatch(&m_activeWatch);
}

void MutterIdle::setLimit(qint64 milliseconds)
{
    if (milliseconds <= 0 || milliseconds == m_since.timeoutMs())
        return;
    m_since.armed(milliseconds);
    arm();
}

double MutterIdle::secondsSinceLastInput() const
{
    return m_since.secondsSinceLastInput(m_clock.elapsed());
}

QString MutterIdle::description() const
{
    return QStringLiteral("idle from ") + service;
}

void MutterIdle::arm()
{
    removeWatch(&m_idleWatch);
    removeWatch(&m_activeWatch);
    m_since.armed(m_since.timeoutMs());
    if (m_since.timeoutMs() > 0)
        addWatch(QStringLiteral("AddIdleWatch"), {QVariant::fromValue(quint64(m_since.timeoutMs()))}, &m_idleWatch);
}

void MutterIdle::watchFired(uint id)
{
    if (id == 0)
        return;
    if (id == m_idleWatch.id) {
        m_since.idled(m_clock.elapsed());
        addWatch(QStringLiteral("AddUserActiveWatch"), {}, &m_activeWatch, [this] { checkStillIdle(); });
    } else if (id == m_activeWatch.id) {
        m_activeWatch.id = 0; // fires once
        m_since.resumed();
    } else {
        m_firedEarly.append(id);
        if (m_firedEarly.size() > 4)
            m_firedEarly.removeFirst();
    }
}

// Input that came between the idle watch firing and the user-active watch being added fired nothing: the
// idle time, asked once, tells whether the user is back already.
void MutterIdle::checkStillIdle()
{
    const uint ticket = m_activeWatch.ticket;
    auto* pending = new QDBusPendingCallWatcher(
        m_bus.asyncCall(QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("GetIdletime"))), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, ticket](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusPendingReply<quint64> reply = *call;
        if (!reply.isValid() || ticket != m_activeWatch.ticket || m_activeWatch.id == 0)
            return;
        if (qint64(reply.value()) < m_since.timeoutMs()) {
            removeWatch(&m_activeWatch);
            m_since.resumed();
        }
    });
}

// Asynchronous, so that re-arming never waits on the shell. The monitor answers the call before the watch can
// fire, but Qt may hand over the signal first; it then waits in m_firedEarly.
void MutterIdle::addWatch(const QString& method, const QVariantList& arguments, Watch* watch,
                          std::function<void()> added)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    const uint ticket = ++watch->ticket;
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, watch, ticket, added = std::move(added)](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusPendingReply<uint> reply = *call;
                if (!reply.isValid())
                    return;
                if (ticket != watch->ticket) {
                    removeWatch(reply.value()); // replaced or removed while the call was on its way
                    return;
                }
                watch->id = reply.value();
                if (added)
                    added();
                if (m_firedEarly.removeOne(watch->id))
                    watchFired(watch->id);
            });
}

void MutterIdle::removeWatch(Watch* watch)
{
    ++watch->ticket;
    removeWatch(std::exchange(watch->id, 0));
}

void MutterIdle::removeWatch(uint id)
{
    if (id != 0)
        m_bus.asyncCall(QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("RemoveWatch"))
                        << QVariant::fromValue(id));
}
