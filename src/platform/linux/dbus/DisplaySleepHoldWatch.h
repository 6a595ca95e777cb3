// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SessionState.h"

#include <QDBusConnection>
#include <QObject>
#include <optional>

class QDBusMessage;

// Who holds the display awake, kept at hand so an idle sample never waits on the bus. The holds are read
// at start, again whenever the GNOME session manager or KDE announces a change, and again after each
// time they are asked for, since logind announces nothing when an inhibitor comes or goes. Asking gives
// the last answer read.
class DisplaySleepHoldWatch final : public QObject
{
    Q_OBJECT
public:
    DisplaySleepHoldWatch(QDBusConnection systemBus, QDBusConnection sessionBus, QObject* parent = nullptr);

    // The last answer; unknown before the first read ends or when no source answered.
    std::optional<QList<DisplaySleepHold>> holds() const { return m_holds; }
    // Starts a read unless one is running.
    void refresh();

signals:
    // A read ended; holds() has its answer.
    void readFinished();

private slots:
    // QtDBus delivers signals only to named slots; a whole message takes any argument shape quietly.
    void onHoldsAnnounced(const QDBusMessage& message);
    void onLogindPropertiesChanged(const QDBusMessage& message);

private:
    void finish(std::optional<QList<DisplaySleepHold>> holds);

    QDBusConnection m_systemBus;
    QDBusConnection m_sessionBus;
    std::optional<QList<DisplaySleepHold>> m_holds;
    bool m_reading = false;
    // A change was announced while a read was running, which may have missed it.
    bool m_readAgain = false;
};
