// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SystemEvents.h"

#include <QDBusConnection>

class QDBusMessage;
class QSocketNotifier;

// Sleep and termination on Linux. willSleep() comes from logind's PrepareForSleep(true); a delay
// inhibitor held until every receiver has returned lets the recorded time be written first.
// willTerminate() comes once, at the application's aboutToQuit or at SIGTERM, SIGINT or SIGHUP, which
// are turned into a clean quit of the event loop.
class LinuxSystemEvents final : public SystemEvents
{
    Q_OBJECT
public:
    explicit LinuxSystemEvents(QDBusConnection systemBus, QObject* parent = nullptr);
    ~LinuxSystemEvents() override;

    // True while logind holds off sleep for this program.
    bool holdsSleepDelay() const { return m_sleepDelay >= 0; }

private slots:
    // QtDBus delivers signals only to named slots; a whole message takes any argument shape quietly.
    void onPrepareForSleep(const QDBusMessage& message);

private:
    void takeSleepDelay();
    void releaseSleepDelay();
    void installSignalHandlers();
    void restoreSignalHandlers();
    void onSignalReadable();
    void terminate();

    QDBusConnection m_bus;
    int m_sleepDelay = -1;
    QSocketNotifier* m_signalNotifier = nullptr;
    bool m_terminated = false;
};
