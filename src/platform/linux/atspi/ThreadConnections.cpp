// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ThreadConnections.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QHash>

namespace {

// The names of this thread's connections by bus address; closed when the thread ends, so that a worker
// pool that retires threads leaves no sockets behind.
struct Owned
{
    QHash<QString, QString> names;

    ~Owned()
    {
        // Once the application object is gone, so is the machinery that closes connections; the
        // process is ending and takes the sockets with it.
        if (!QCoreApplication::instance())
            return;
        for (const QString& name : std::as_const(names))
            QDBusConnection::disconnectFromBus(name);
    }
};

thread_local Owned t_owned;

QString freshName()
{
    // Thread ids are reused; a counter keeps every name distinct for the life of the process.
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("horavane-atspi-%1").arg(++counter);
}

} // namespace

ThreadConnections::ThreadConnections(QString address) : m_address(std::move(address)) {}

QDBusConnection ThreadConnections::connection() const
{
    const auto it = t_owned.names.constFind(m_address);
    if (it != t_owned.names.constEnd()) {
        QDBusConnection existing(*it);
        if (existing.isConnected())
            return existing;
        QDBusConnection::disconnectFromBus(*it);
        t_owned.names.erase(it);
    }
    const QString name = freshName();
    QDBusConnection connection = QDBusConnection::connectToBus(m_address, name);
    if (!connection.isConnected()) {
        QDBusConnection::disconnectFromBus(name);
        return connection;
    }
    t_owned.names.insert(m_address, name);
    return connection;
}
