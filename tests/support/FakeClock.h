#pragma once

#include "Clock.h"

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

    void set(const QDateTime& now) { m_now = now; }
    void advance(double seconds) { m_now = m_now.addMSecs(qRound64(seconds * 1000)); }
    void setTimeZone(const QTimeZone& zone) { m_zone = zone; }

private:
    QDateTime m_now;
    QTimeZone m_zone;
};
