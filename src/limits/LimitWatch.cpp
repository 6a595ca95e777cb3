// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LimitWatch.h"

#include "DurationText.h"
#include "Settings.h"

namespace {

// How a given notice is remembered in the preferences: what it was, then the item.
QString noticeEntry(char what, const ItemKey& key)
{
    return QStringLiteral("%1 %2 %3").arg(QLatin1Char(what)).arg(rawValue(key.kind)).arg(key.id);
}

} // namespace

LimitWatch::LimitWatch(Tracker& tracker, Settings& settings, Notifier& notifier, QObject* parent)
    : QObject(parent), m_tracker(tracker), m_settings(settings), m_notifier(notifier)
{
    connect(&tracker, &Tracker::sampled, this, &LimitWatch::sampled);
    connect(&tracker, &Tracker::excludedChanged, this, &LimitWatch::rebuild);
    // Today's time read again when the history under it changes: opened late, deleted or restored.
    connect(&tracker, &Tracker::historyFileChanged, this, &LimitWatch::rebuild);
    connect(&tracker, &Tracker::historyReplaced, this, &LimitWatch::rebuild);
    connect(&settings, &Settings::dailyLimitsChanged, this, &LimitWatch::rebuild);
    connect(&settings, &Settings::limitsCountAllComputersChanged, this, &LimitWatch::rebuild);
    connect(&settings, &Settings::warnsBeforeLimitChanged, this, &LimitWatch::rebuild);
}

void LimitWatch::sampled(const Tracker::Sample& sample)
{
    // A new day starts afresh; today's totals read now already hold this sample's seconds.
    const bool newDay = sample.day != m_day;
    if (newDay) {
        m_day = sample.day;
        rebuild();
    }
    if (sample.credited && !newDay && !m_watched.isEmpty()) {
        const auto it = m_watched.find(*sample.credited);
        if (it != m_watched.end()) {
            it->here += sample.seconds;
            m_due = m_due || isDue(*it);
        }
    }
    if (m_due && sample.present)
        tellWhatIsDue();
}

void LimitWatch::setOtherComputers(const QString& day, const QHash<ItemKey, double>& seconds)
{
    m_othersDay = day;
    m_others = seconds;
    rebuild();
}

void LimitWatch::rebuild()
{
    m_watched.clear();
    m_due = false;
    if (m_day.isEmpty())
        return; // until the first sample says which day it is
    const QList<DayUsage> today = m_tracker.days(Period::today);
    if (today.isEmpty() || today.constFirst().day != m_day)
        return;
    QHash<ItemKey, UsageItem> used;
    for (const UsageItem& item : today.constFirst().summary.items)
        used.insert(item.key, item);
    const bool countsOthers = m_settings.limitsCountAllComputers() && m_othersDay == m_day;
    const QStringList& given = m_settings.limitNotices();
    const bool givenToday = !given.isEmpty() && given.constFirst() == m_day;
    for (const DailyLimit& limit : m_settings.dailyLimits()) {
        const std::optional<ItemKind> kind = itemKindFromRaw(limit.kind);
        if (!kind)
            continue;
        const ItemKey key{*kind, limit.id};
        if (m_tracker.excluded().contains(key))
            continue;
        Watched watched;
        const UsageItem item = used.value(key);
        watched.name = item.name.isEmpty() ? key.id : item.name;
        watched.limit = limit.minutes * 60.0;
        watched.here = item.seconds;
        watched.others = countsOthers ? m_others.value(key) : 0;
        watched.warned = givenToday && given.contains(noticeEntry('w', key));
        watched.reached = givenToday && given.contains(noticeEntry('r', key));
        m_due = m_due || isDue(watched);
        m_watched.insert(key, watched);
    }
}

bool LimitWatch::isDue(const Watched& watched) const
{
    const double counted = watched.here + watched.others;
    if (watched.reached)
        return false;
    if (counted >= watched.limit)
        return true;
    // A limit of five minutes has no time before it to warn in.
    const double warnAt = watched.limit - warningSeconds;
    return m_settings.warnsBeforeLimit() && !watched.warned && warnAt > 0 && counted >= warnAt;
}

void LimitWatch::tellWhatIsDue()
{
    m_due = false;
    const bool allComputers = m_settings.limitsCountAllComputers();
    for (auto it = m_watched.begin(); it != m_watched.end(); ++it) {
        Watched& watched = *it;
        if (!isDue(watched))
            continue;
        const double counted = watched.here + watched.others;
        const bool reached = counted >= watched.limit;
        const QString time = DurationText::string(counted);
        const QString limit = DurationText::string(watched.limit);
        Notifier::Notice notice;
        if (reached) {
            //: The title of a notification; %1 is an application or website.
            notice.title = tr("Daily limit reached for %1").arg(watched.name);
        } else {
            //: The title of a notification; %1 is an application or website.
            notice.title = tr("%n minute(s) left for %1", nullptr, int(warningSeconds / 60)).arg(watched.name);
        }
        notice.body = allComputers
                          //: %1 is the time used today, such as "55m"; %2 the daily limit, such as "1h".
                          ? tr("%1 today on all your computers, of a daily limit of %2.").arg(time, limit)
                          //: %1 is the time used today, such as "55m"; %2 the daily limit, such as "1h".
                          : tr("%1 today, of a daily limit of %2.").arg(time, limit);
        //: The action of a notification: opens the small window with today's time.
        notice.action = tr("Show Today");
        m_notifier.show(notice);
        // Reaching the limit makes its warning moot.
        if (!watched.warned)
            remember(noticeEntry('w', it.key()));
        watched.warned = true;
        if (reached) {
            remember(noticeEntry('r', it.key()));
            watched.reached = true;
        }
    }
}

void LimitWatch::remember(const QString& notice)
{
    QStringList given = m_settings.limitNotices();
    if (given.isEmpty() || given.constFirst() != m_day)
        given = {m_day};
    if (!given.contains(notice))
        given.append(notice);
    m_settings.setLimitNotices(given);
}
