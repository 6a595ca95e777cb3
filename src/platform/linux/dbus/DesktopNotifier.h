// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Notifier.h"

#include <QDBusConnection>
#include <QSet>

class QDBusPendingCallWatcher;

// Notices through the desktop's notification server (org.freedesktop.Notifications): GNOME Shell, Plasma,
// dunst, mako and the like. Urgency stays normal, so that a server in do-not-disturb mode holds them back.
class DesktopNotifier final : public Notifier
{
    Q_OBJECT
public:
    // A picture for every notice: rows of RGBA bytes, without padding.
    struct Icon
    {
        int width = 0;
        int height = 0;
        QByteArray rgba;
    };

    // `icon` is shown in every notice, beside the program's name; `desktopEntry` names the program's
    // desktop file, by which servers find its settings.
    DesktopNotifier(QDBusConnection bus, Icon icon, const QString& desktopEntry, QObject* parent = nullptr);

    void show(const Notice& notice) override;

private slots:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    void send(const Notice& notice);
    void shown(QDBusPendingCallWatcher* call);

    QDBusConnection m_bus;
    Icon m_icon;
    QString m_desktopEntry;
    bool m_serverKnown = false; // its capabilities answered
    bool m_serverReadsMarkup = false;
    QList<Notice> m_waiting; // until then
    QSet<uint> m_shown;      // ours, as long as they are on screen
};
