// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OtherComputersToday.h"

#include "BackupComputers.h"
#include "Clock.h"
#include "Period.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <memory>

namespace {

constexpr int readEveryMs = 10 * 60'000;

} // namespace

OtherComputersToday::OtherComputersToday(const Settings& settings, const Clock& clock, QObject* parent)
    : QObject(parent), m_settings(settings), m_clock(clock), m_pool(new QThreadPool(this))
{
    m_pool->setMaxThreadCount(1);
    m_pool->setThreadPriority(QThread::LowPriority);
}

void OtherComputersToday::start()
{
    if (m_timer)
        return;
    m_timer = new QTimer(this);
    m_timer->setInterval(readEveryMs);
    m_timer->setTimerType(Qt::VeryCoarseTimer);
    connect(m_timer, &QTimer::timeout, this, &OtherComputersToday::refresh);
    m_timer->start();
    connect(&m_settings, &Settings::limitsCountAllComputersChanged, this, &OtherComputersToday::refresh);
    connect(&m_settings, &Settings::backupFolderChanged, this, &OtherComputersToday::refresh);
    refresh();
}

void OtherComputersToday::refresh()
{
    if (m_reading || !m_settings.limitsCountAllComputers() || m_settings.backupFolder().isEmpty())
        return;
    const QDateTime now = m_clock.now();
    const QTimeZone zone = m_clock.timeZone();
    const DayUsage today{Day::string(now, zone), now.toTimeZone(zone).date().startOfDay(zone), Summary()};
    // Listing the folder reads the settings, which live on this thread; reading the copies is the slow part.
    auto others = std::make_shared<BackupComputers>(m_settings);
    others->refresh();
    m_reading = true;
    m_pool->start([others, today, receiver = QPointer<OtherComputersToday>(this)] {
        QHash<ItemKey, double> seconds;
        for (const DayUsage& day : others->addedTo({today}, {}))
            for (const UsageItem& item : day.summary.items)
                seconds.insert(item.key, item.seconds);
        // Handed back through the application, which outlives this object's pool and its thread.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [receiver, day = today.day, seconds] {
                if (!receiver)
                    return;
                receiver->m_reading = false;
                emit receiver->read(day, seconds);
            },
            Qt::QueuedConnection);
    });
}
