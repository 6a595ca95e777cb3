#pragma once

#include "SessionState.h"

#include <QDBusConnection>

// Who holds the display awake right now, gathered from every place a Linux desktop keeps such holds:
// logind "idle" inhibitors (system bus), the GNOME session manager's and KDE's screensaver inhibitors.
// Players and browsers take these while they show a video, and not for sound alone; a media player that
// says it is playing (MPRIS) may be playing music only, so that does not count. Each source is asked with
// a short timeout, the sources side by side, so one answer takes about one round trip per step.
namespace DisplaySleepHolders {

// The type every hold found here gets: each of them keeps the display from sleeping while idle.
inline constexpr const char* holdType = "PreventUserIdleDisplaySleep";

// Every hold found; a hold whose process cannot be told has pid 0. None when no source answered at all.
std::optional<QList<PowerAssertion>> read(const QDBusConnection& systemBus, const QDBusConnection& sessionBus);

} // namespace DisplaySleepHolders
