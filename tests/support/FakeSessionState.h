// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SessionState.h"

#include <QHash>

// A session whose every fact a test sets; all start as an active, unlocked session with a user at the keyboard.
class FakeSessionState final : public SessionState
{
public:
    bool displayIsAsleep() const override { return displayAsleep; }
    bool sessionIsKnown() const override { return known; }
    std::optional<bool> screenIsLocked() const override { return locked; }
    std::optional<bool> onConsole() const override { return console; }
    double secondsSinceLastInput() const override { return idleSeconds; }
    std::optional<QList<DisplaySleepHold>> displaySleepHolds() const override
    {
        ++holdQueries;
        return holds;
    }
    std::optional<qint64> parentProcess(qint64 pid) const override
    {
        const auto it = parents.constFind(pid);
        return it == parents.cend() ? std::nullopt : std::optional<qint64>(*it);
    }

    bool displayAsleep = false;
    bool known = true;
    std::optional<bool> locked = false;
    std::optional<bool> console = true;
    double idleSeconds = 0;
    std::optional<QList<DisplaySleepHold>> holds = QList<DisplaySleepHold>();
    QHash<qint64, qint64> parents;
    mutable int holdQueries = 0;
};
