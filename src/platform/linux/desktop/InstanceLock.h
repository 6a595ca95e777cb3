// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Keeps a second recorder off the same database: an advisory lock on a file beside it. The kernel
// drops the lock when the process ends, however it ends, so a crash never leaves a stale lock.
class InstanceLock
{
public:
    enum class State { held, heldElsewhere, unavailable };

    // Takes the lock on the file at path (created 0600 in an existing folder), without waiting.
    explicit InstanceLock(const QString& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return m_state; }

private:
    int m_fd = -1;
    State m_state = State::unavailable;
};
