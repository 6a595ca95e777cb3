// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenSaverWatch.h"

#include "DBusCall.h"

#include <QDBusPendingCallWatcher>

namespace {

std::optional<bool> boolean(const QVariant& value)
{
    if (value.metaType() != QMetaType::fromType<bool>())
        return std::nullopt;
    return value.toBool();
}

} // namespace

ScreenSaverWatch::ScreenSaverWatch(QDBusConnection sessionBus, const QString& service, const QString& path,
                                   const QString& interface, QObject* parent)
    : QObject(parent), m_bus(std::move(sessionBus)), m_service(service), m_path(path), m_interface(interface),
      m_watcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    m_bus.connect(m_service, m_path, m_interface, QStringLiteral("ActiveChanged"), this,
                  SLOT(onActiveChanged(QDBusMessage)));
    // A desktop that starts its screensaver after this program, or restarts it, is picked up then.
    connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                if (newOwner.isEmpty())
                    set(std::nullopt);
                else
                    ask();
            });
    set(boolean(DBusCall::firstArgument(
        DBusCall::call(m_bus, DBusCall::method(m_service, m_path, m_interface, QStringLiteral("GetActive"))))));
}

// A signal handed over while the question was out is as new as the answer or newer: the screensaver sends
// both in order, and Qt may hand over a signal before a reply sent ahead of it.
void ScreenSaverWatch::ask()
{
    const QDBusMessage message = DBusCall::method(m_service, m_path, m_interface, QStringLiteral("GetActive"));
    auto* watcher = new QDBusPendingCallWatcher(DBusCall::start(m_bus, message), this);
    const quint64 announcedBefore = m_announced;
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, announcedBefore](QDBusPendingCallWatcher* finished) {
                if (m_announced == announcedBefore)
                    set(boolean(DBusCall::firstArgument(finished->reply())));
                finished->deleteLater();
            });
}

void ScreenSaverWatch::onActiveChanged(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.isEmpty())
        return;
    if (const std::optional<bool> active = boolean(arguments.constFirst())) {
        ++m_announced;
        set(active);
    }
}

void ScreenSaverWatch::set(std::optional<bool> active)
{
    if (active == m_active)
        return;
    m_active = active;
    emit changed();
}
