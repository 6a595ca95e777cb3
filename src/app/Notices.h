// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <memory>

class BreakReminder;
class Clock;
class DesktopNotifier;
class LimitWatch;
class OtherComputersToday;
class SessionState;
class Settings;
class Tracker;

// Notices of daily limits and breaks, through the desktop's notification server, with the other computers'
// time of today that the limits may count.
class Notices final : public QObject
{
    Q_OBJECT
public:
    Notices(QDBusConnection bus, Tracker& tracker, SessionState& session, Settings& settings, const Clock& clock,
            QObject* parent = nullptr);
    ~Notices() override;

signals:
    // The user chose a notice's action: today's list.
    void showTodayRequested();

private:
    std::unique_ptr<DesktopNotifier> m_notifier;
    std::unique_ptr<LimitWatch> m_limitWatch;
    std::unique_ptr<BreakReminder> m_breakReminder;
    std::unique_ptr<OtherComputersToday> m_otherComputersToday;
};
