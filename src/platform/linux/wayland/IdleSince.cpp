#include "IdleSince.h"

#include <algorithm>

void IdleSince::armed(qint64 timeoutMs)
{
    m_timeoutMs = std::max<qint64>(timeoutMs, 0);
    m_lastInputMs.reset();
}

void IdleSince::idled(qint64 nowMs)
{
    m_lastInputMs = nowMs - m_timeoutMs;
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
