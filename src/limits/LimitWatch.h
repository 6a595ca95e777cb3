// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"
#include "Notifier.h"
#include "Tracker.h"

#include <QHash>
#include <QObject>
#include <QString>

class Settings;

// Watches today's time of every item with a daily limit and tells the user, through the desktop's
// notifications, when one comes within five minutes of its limit (if they asked for that) and when it
// reaches it: each at most once a day per item, and only while the user is at the computer. The time
// grows with the tracker's samples, so a sample costs a lookup; today's totals are read afresh only when
// the limits, the exclusions, the history file or the day change.
class LimitWatch : public QObject
{
    Q_OBJECT
public:
    // How long before a limit the warning comes.
    static constexpr double warningSeconds = 5 * 60;

    LimitWatch(Tracker& tracker, Settings& settings, Notifier& notifier, QObject* parent = nullptr);

public slots:
    // The other computers' time of each item on `day`, from their newest copies.
    void setOtherComputers(const QString& day, const QHash<ItemKey, double>& seconds);

private:
    struct Watched
    {
        QString name;
        double limit = 0; // seconds
        double here = 0;
        double others = 0;
        bool warned = false;
        bool reached = false;
    };

    void sampled(const Tracker::Sample& sample);
    // Today's time and the notices already given, for the current limits.
    void rebuild();
    bool isDue(const Watched& watched) const;
    void tellWhatIsDue();
    void remember(const QString& notice);

    Tracker& m_tracker;
    Settings& m_settings;
    Notifier& m_notifier;
    QHash<ItemKey, Watched> m_watched;
    QString m_day;
    QString m_othersDay;
    QHash<ItemKey, double> m_others;
    bool m_due = false; // a notice waits for the user to be present
};
