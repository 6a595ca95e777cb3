// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DBusCall.h"

#include <QDBusVariant>

QDBusMessage DBusCall::method(const QString& service, const QString& path, const QString& interface,
                              const QString& name, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, name);
    message.setArguments(arguments);
    // Asking must not launch a screensaver or a player that is not running.
    message.setAutoStartService(false);
    return message;
}

QDBusMessage DBusCall::call(const QDBusConnection& bus, const QDBusMessage& message)
{
    return bus.call(message, QDBus::Block, timeoutMs);
}

QDBusPendingCall DBusCall::start(const QDBusConnection& bus, const QDBusMessage& message)
{
    return bus.asyncCall(message, timeoutMs);
}

QDBusMessage DBusCall::propertyGet(const QString& service, const QString& path, const QString& interface,
                                   const QString& name)
{
    return method(service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                  {interface, name});
}

QVariant DBusCall::firstArgument(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const QVariant first = reply.arguments().constFirst();
    if (first.metaType() == QMetaType::fromType<QDBusVariant>())
        return first.value<QDBusVariant>().variant();
    return first;
}

QDBusMessage DBusCall::ownerPid(const QString& busName)
{
    return method(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                  QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetConnectionUnixProcessID"), {busName});
}
