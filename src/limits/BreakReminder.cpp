// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BreakReminder.h"

#include "SessionState.h"
#include "Settings.h"

BreakReminder::BreakReminder(Tracker& tracker, const SessionState& session, Settings& settings, Notifier& notifier,
                             QObject* parent)
    : QObject(parent), m_session(session), m_settings(settings), m_notifier(notifier)
{
    connect(&tracker, &Tracker::sampled, this, &BreakReminder::sampled);
    // Switched on anew, the count starts anew.
    connect(&settings, &Settings::remindsOfBreaksChanged, this, [this] { m_stretchStart = {}; });
}

void BreakReminder::sampled(const Tracker::Sample& sample)
{
    if (!m_settings.remindsOfBreaks() || !sample.present)
        return;
    const QDateTime lastInput = sample.at.addMSecs(-qRound64(m_session.secondsSinceLastInput() * 1000));
    const qint64 pauseMs = qint64(m_settings.breakIdleMinutes()) * 60'000;
    if (!m_stretchStart.isValid() || m_lastInput.msecsTo(lastInput) >= pauseMs)
        m_stretchStart = lastInput;
    m_lastInput = lastInput;
    const int minutes = m_settings.breakAfterMinutes();
    if (m_stretchStart.msecsTo(sample.at) < qint64(minutes) * 60'000)
        return;
    m_stretchStart = sample.at;
    Notifier::Notice notice;
    //: The title of a notification.
    notice.title = tr("Time for a break");
    notice.body = tr("You have been at the computer for %n minute(s) without a pause.", nullptr, minutes);
    //: The action of a notification: opens the small window with today's time.
    notice.action = tr("Show Today");
    m_notifier.show(notice);
}
