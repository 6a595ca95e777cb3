// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SessionState.h"

#include <QDBusConnection>
#include <QObject>
#include <functional>

class DisplaySleepHoldWatch;
class LogindSession;
class ScreenSaverWatch;

// The session facts of a Linux desktop. Lock and console state come from logind and the desktop's
// screensaver, kept from their change signals so a sample asks nobody; display sleep and input idleness
// come from the functions given (the display server knows them); holds on display sleep are read in the
// background and a sample gets the last answer; process facts come from /proc.
class LinuxSessionState final : public QObject, public SessionState
{
    Q_OBJECT
public:
    LinuxSessionState(QDBusConnection systemBus, QDBusConnection sessionBus, std::function<double()> idleSeconds,
                      std::function<bool()> displayAsleep, QObject* parent = nullptr);
    ~LinuxSessionState() override;

    bool displayIsAsleep() const override;
    bool sessionIsKnown() const override;
    std::optional<bool> screenIsLocked() const override;
    std::optional<bool> onConsole() const override;
    double secondsSinceLastInput() const override;
    std::optional<QList<DisplaySleepHold>> displaySleepHolds() const override;
    std::optional<qint64> parentProcess(qint64 pid) const override;

    // One line naming the sources found and what they say, for the log at start.
    QString sourcesDescription() const;

signals:
    // The lock or console state took a different value.
    void sessionChanged();

private:
    QDBusConnection m_systemBus;
    QDBusConnection m_sessionBus;
    std::function<double()> m_idleSeconds;
    std::function<bool()> m_displayAsleep;
    LogindSession* m_logind;
    // KDE answers the freedesktop screensaver; GNOME answers only its own (the other says "not supported").
    ScreenSaverWatch* m_freedesktopScreenSaver;
    ScreenSaverWatch* m_gnomeScreenSaver;
    DisplaySleepHoldWatch* m_displaySleepHolds;
};
