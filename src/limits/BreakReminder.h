// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Notifier.h"
#include "Tracker.h"

#include <QDateTime>
#include <QObject>

class SessionState;
class Settings;

// Suggests a break, through the desktop's notifications, after the user has been at the computer for the
// chosen minutes without a pause of the chosen length, and again after as many more without one. Presence
// is the tracker's: idleness, a locked screen and a sleeping display end it; a pause is the time between
// the last input before it and the first after it.
class BreakReminder : public QObject
{
    Q_OBJECT
public:
    BreakReminder(Tracker& tracker, const SessionState& session, Settings& settings, Notifier& notifier,
                  QObject* parent = nullptr);

private:
    void sampled(const Tracker::Sample& sample);

    const SessionState& m_session;
    Settings& m_settings;
    Notifier& m_notifier;
    QDateTime m_lastInput;    // as of the last sample with the user present
    QDateTime m_stretchStart; // of the time at the computer since the last pause or reminder
};
