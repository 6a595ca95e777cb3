// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A dbus-daemon of one test's own, listening below /tmp, on which any client may own any name and
// watch any message. It ends with the object.
class BusDaemon
{
public:
    BusDaemon();
    ~BusDaemon();
    BusDaemon(const BusDaemon&) = delete;
    BusDaemon& operator=(const BusDaemon&) = delete;

    // The bus's address; empty when the daemon did not start.
    const QString& address() const { return m_address; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_address;
};

// Asks a process to end, and ends it when it does not within two seconds.
void endProcess(QProcess& process);
