// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Activity.h"

#include "SessionState.h"
#include "Settings.h"
#include "Workspace.h"

namespace {

bool isKeepingDisplayAwake(const RunningApp& app, const SessionState& session)
{
    const std::optional<QList<DisplaySleepHold>> holds = session.displaySleepHolds();
    if (!holds || holds->isEmpty())
        return false;
    const qint64 front = app.pid;
    for (const DisplaySleepHold& hold : *holds) {
        const qint64 owner = hold.pid;
        if (owner <= 0 || front <= 0) // a hold without a known process cannot be tied to the front app
            continue;
        if (owner == front)
            return true;
        if (session.parentProcess(owner) == front)
            return true;
    }
    return false;
}

} // namespace

bool Activity::sessionIsActive(const SessionState& session)
{
    if (session.displayIsAsleep())
        return false;
    if (!session.sessionIsKnown())
        return true;
    if (session.screenIsLocked() == true)
        return false;
    return session.onConsole().value_or(true);
}

bool Activity::userIsPresent(const RunningApp& frontmost, const SessionState& session, double idleMinutes)
{
    const double idle = session.secondsSinceLastInput();
    if (idle < Settings::idleLimitMinutes(idleMinutes) * 60)
        return true;
    return isKeepingDisplayAwake(frontmost, session);
}
