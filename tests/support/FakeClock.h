// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Clock.h"

#include <algorithm>

// A clock that stands still until a test moves it.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime now = QDateTime(QDate(2025, 3, 5), QTime(12, 0), QTimeZone("Europe/Berlin")),
                       QTimeZone zone = QTimeZone("Europe/Berlin"))
        : m_now(std::move(now)), m_zone(std::move(zone))
    {
    }

    QDateTime now() const override { return m_now; }
    QTimeZone timeZone() const override { return m_zone; }

    qint64 monotonicMs() const override { return m_monotonicMs; }

    // Sets the wall clock, as a user or time server would: the monotonic clock stays put.
    void set(const QDateTime& now) { m_now = now; }
    // Lets time pass; a negative amount sets the wall clock back and leaves the monotonic clock alone.
    void advance(double seconds)
    {
        const qint64 ms = qRound64(seconds * 1000);
        m_now = m_now.addMSecs(ms);
        m_monotonicMs += std::max<qint64>(ms, 0);
    }
    void setTimeZone(const QTimeZone& zone) { m_zone = zone; }

private:
    QDateTime m_now;
    QTimeZone m_zone;
    qint64 m_monotonicMs = 0;
};
