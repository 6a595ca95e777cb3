// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QString>

// Private connections to one bus, one per thread that asks, each closed when its thread ends. Blocking
// calls of one thread then never queue behind another thread's, and nothing is shared between them.
class ThreadConnections
{
public:
    explicit ThreadConnections(QString address);

    const QString& address() const { return m_address; }
    // The calling thread's connection; not connected when the bus cannot be reached now (retried next time).
    QDBusConnection connection() const;

private:
    QString m_address;
};
