// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <optional>

class QDBusMessage;

// This process's logind session: whether it is locked (LockedHint) and in front on its seat (Active).
// Both are read once and then kept from the session's change signals; each is unknown without logind.
class LogindSession final : public QObject
{
    Q_OBJECT
public:
    explicit LogindSession(QDBusConnection systemBus, QObject* parent = nullptr);

    // True when logind named this process's session.
    bool isFound() const { return !m_path.isEmpty(); }
    // The session's object path, empty when not found.
    QString path() const { return m_path; }
    std::optional<bool> lockedHint() const { return m_locked; }
    std::optional<bool> active() const { return m_active; }

signals:
    // The lock or the console state took a different value.
    void changed();

private slots:
    // QtDBus delivers signals only to named slots; a whole message takes any argument shape quietly.
    void onPropertiesChanged(const QDBusMessage& message);
    void onLockRequest(const QDBusMessage& message);

private:
    QString findSessionPath() const;
    void listen();
    void readAll();
    void rereadAll();
    void apply(const QVariantMap& properties);

    QDBusConnection m_bus;
    QString m_path;
    std::optional<bool> m_locked;
    std::optional<bool> m_active;
    // Values announced so far, per property: a reread answer does not override a newer one.
    quint64 m_lockedAnnounced = 0;
    quint64 m_activeAnnounced = 0;
};
