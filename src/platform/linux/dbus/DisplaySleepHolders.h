// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SessionState.h"

#include <QDBusConnection>
#include <QObject>
#include <functional>

// Who holds the display awake right now, gathered from every place a Linux desktop keeps such holds:
// logind "idle" inhibitors (system bus), the GNOME session manager's and KDE's screensaver inhibitors.
// Players and browsers take these while they show a video, and not for sound alone; a media player that
// says it is playing (MPRIS) may be playing music only, so that does not count. Each source is asked with
// a short timeout, the sources side by side, so one answer takes about one round trip per step. Nothing
// here waits: the answer comes back through the event loop.
namespace DisplaySleepHolders {

// Asks every source and calls done with every hold found; a hold whose process cannot be told has pid 0,
// and none at all means no source answered. done is never called once context is gone.
void read(const QDBusConnection& systemBus, const QDBusConnection& sessionBus, QObject* context,
          std::function<void(std::optional<QList<DisplaySleepHold>>)> done);

} // namespace DisplaySleepHolders
