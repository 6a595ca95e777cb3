// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

class SessionState;
struct RunningApp;

// Whether the user's time counts right now. Stateless; every unknown answer leans toward counting.
namespace Activity {

// False while the display sleeps, the screen is locked or the session is not on the console.
bool sessionIsActive(const SessionState& session);

// True while the user touched keyboard or mouse within the idle limit, or while the front
// application (or a process it started) keeps the display awake. idleMinutes is the user's
// setting as stored; 0 or less means the default.
bool userIsPresent(const RunningApp& frontmost, const SessionState& session, double idleMinutes);

} // namespace Activity
