// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <optional>

class QDBusMessage;

// Whether one desktop screensaver service shows its lock screen, read once and then kept from its
// ActiveChanged signal. Unknown while the service is absent or does not support the question.
class ScreenSaverWatch final : public QObject
{
    Q_OBJECT
public:
    // service, path and interface of a screensaver with GetActive() → b and ActiveChanged(b).
    ScreenSaverWatch(QDBusConnection sessionBus, const QString& service, const QString& path, const QString& interface,
                     QObject* parent = nullptr);

    QString service() const { return m_service; }
    std::optional<bool> active() const { return m_active; }

signals:
    // active() took a different value, including becoming unknown.
    void changed();

private slots:
    // QtDBus delivers signals only to named slots; a whole message takes any argument shape quietly.
    void onActiveChanged(const QDBusMessage& message);

private:
    void ask();
    void set(std::optional<bool> active);

    QDBusConnection m_bus;
    QString m_service;
    QString m_path;
    QString m_interface;
    QDBusServiceWatcher m_watcher;
    std::optional<bool> m_active;
    quint64 m_announced = 0; // ActiveChanged signals so far
};
