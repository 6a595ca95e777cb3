// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IdleSince.h"

#include <algorithm>
#include <cstdint>

void IdleSince::armed(qint64 timeoutMs)
{
    // The protocols' longest timeout (32 bits of milliseconds), which also keeps the sums below in range.
    m_timeoutMs = std::clamp<qint64>(timeoutMs, 0, UINT32_MAX);
    m_lastInputMs.reset();
}

void IdleSince::idled(qint64 nowMs, std::optional<qint64> idleMs)
{
    m_lastInputMs = nowMs - std::clamp<qint64>(idleMs.value_or(m_timeoutMs), m_timeoutMs, UINT32_MAX);
}

void IdleSince::resumed()
{
    m_lastInputMs.reset();
}

double IdleSince::secondsSinceLastInput(qint64 nowMs) const
{
    if (!m_lastInputMs)
        return 0;
    return double(std::max<qint64>(nowMs - *m_lastInputMs, m_timeoutMs)) / 1000.0;
}
