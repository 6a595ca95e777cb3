// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogindSession.h"

#include "DBusCall.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <unistd.h>

namespace {

const QString service = QStringLiteral("org.freedesktop.login1");
const QString managerPath = QStringLiteral("/org/freedesktop/login1");
const QString managerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString sessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString lockedHintName = QStringLiteral("LockedHint");
const QString activeName = QStringLiteral("Active");

QString objectPath(const QVariant& value)
{
    return value.metaType() == QMetaType::fromType<QDBusObjectPath>() ? value.value<QDBusObjectPath>().path()
                                                                      : QString();
}

// A property map from an a{sv} argument, whichever way QtDBus handed it over; empty for another shape.
QVariantMap propertyMap(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QVariantMap>())
        return value.toMap();
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return {};
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("a{sv}"))
        return {};
    QVariantMap map;
    argument >> map;
    return map;
}

std::optional<bool> boolean(const QVariant& value)
{
    const QVariant plain =
        value.metaType() == QMetaType::fromType<QDBusVariant>() ? value.value<QDBusVariant>().variant() : value;
    if (plain.metaType() != QMetaType::fromType<bool>())
        return std::nullopt;
    return plain.toBool();
}

QDBusMessage getAllMessage(const QString& path)
{
    return DBusCall::method(service, path, propertiesInterface, QStringLiteral("GetAll"), {sessionInterface});
}

} // namespace

LogindSession::LogindSession(QDBusConnection systemBus, QObject* parent) : QObject(parent), m_bus(std::move(systemBus))
{
    m_path = findSessionPath();
    if (m_path.isEmpty())
        return;
    // Listen before the first read, so a change between the two is not missed.
    listen();
    readAll();
}

QString LogindSession::findSessionPath() const
{
    const auto ask = [this](const QString& method, const QVariant& argument) {
        return objectPath(DBusCall::firstArgument(
            DBusCall::call(m_bus, DBusCall::method(service, managerPath, managerInterface, method, {argument}))));
    };
    // Signals come only from the session's real path, never from the "auto" alias, so resolve it.
    const QString id = qEnvironmentVariable("XDG_SESSION_ID");
    if (const QString path = id.isEmpty() ? QString() : ask(QStringLiteral("GetSession"), id); !path.isEmpty())
        return path;
    if (const QString path = ask(QStringLiteral("GetSessionByPID"), QVariant::fromValue(uint(::getpid())));
        !path.isEmpty())
        return path;
    // A program started outside the session (a user service) still has the user's display session.
    const QString autoId =
        DBusCall::firstArgument(
            DBusCall::call(m_bus, DBusCall::propertyGet(service, managerPath + QStringLiteral("/session/auto"),
                                                        sessionInterface, QStringLiteral("Id"))))
            .toString();
    return autoId.isEmpty() ? QString() : ask(QStringLiteral("GetSession"), autoId);
}

void LogindSession::listen()
{
    m_bus.connect(service, m_path, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                  SLOT(onPropertiesChanged(QDBusMessage)));
    m_bus.connect(service, m_path, sessionInterface, QStringLiteral("Lock"), this, SLOT(onLockRequest(QDBusMessage)));
    m_bus.connect(service, m_path, sessionInterface, QStringLiteral("Unlock"), this, SLOT(onLockRequest(QDBusMessage)));
}

void LogindSession::readAll()
{
    apply(propertyMap(DBusCall::firstArgument(DBusCall::call(m_bus, getAllMessage(m_path)))));
}

void LogindSession::rereadAll()
{
    // logind sends the answer and later signals in order, but Qt may hand over a signal before a reply sent
    // ahead of it; a value announced while the question was out is the newer one.
    auto* watcher = new QDBusPendingCallWatcher(DBusCall::start(m_bus, getAllMessage(m_path)), this);
    const std::pair announcedBefore(m_lockedAnnounced, m_activeAnnounced);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, announcedBefore](QDBusPendingCallWatcher* finished) {
                QVariantMap properties = propertyMap(DBusCall::firstArgument(finished->reply()));
                if (m_lockedAnnounced != announcedBefore.first)
                    properties.remove(lockedHintName);
                if (m_activeAnnounced != announcedBefore.second)
                    properties.remove(activeName);
                apply(properties);
                finished->deleteLater();
            });
}

void LogindSession::apply(const QVariantMap& properties)
{
    bool different = false;
    const auto take = [&](const QString& name, std::optional<bool>& field) {
        const auto it = properties.constFind(name);
        if (it == properties.cend())
            return;
        const std::optional<bool> value = boolean(*it);
        if (value && value != field) {
            field = value;
            different = true;
        }
    };
    take(lockedHintName, m_locked);
    take(activeName, m_active);
    if (different)
        emit changed();
}

void LogindSession::onPropertiesChanged(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2 || arguments.at(0).toString() != sessionInterface)
        return;
    const QVariantMap properties = propertyMap(arguments.at(1));
    m_lockedAnnounced += properties.contains(lockedHintName);
    m_activeAnnounced += properties.contains(activeName);
    apply(properties);
    // A property announced as changed without its value must be asked for.
    const QStringList invalidated = arguments.value(2).toStringList();
    if (invalidated.contains(lockedHintName) || invalidated.contains(activeName))
        rereadAll();
}

void LogindSession::onLockRequest(const QDBusMessage&)
{
    // Lock and Unlock ask the screen locker to act; LockedHint says when it has, so read that.
    rereadAll();
}
