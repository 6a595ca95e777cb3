// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"

#include <QHash>
#include <QObject>
#include <QString>

class Clock;
class Settings;
class QThreadPool;
class QTimer;

// Today's time on the user's other computers, from their newest copies in the backup folder (as the
// history window's "All Computers" reads them), for limits that count all computers. Read in the
// background now and then, since the copies arrive as the other computers make them.
class OtherComputersToday : public QObject
{
    Q_OBJECT
public:
    OtherComputersToday(const Settings& settings, const Clock& clock, QObject* parent = nullptr);

    // Reads the copies again now and every few minutes, while the limits count all computers.
    void start();
    // Reads the copies again now, unless a read is under way or the limits count this computer only.
    void refresh();

signals:
    // The other computers' seconds of each item on the day `day`.
    void read(const QString& day, const QHash<ItemKey, double>& seconds);

private:
    const Settings& m_settings;
    const Clock& m_clock;
    QThreadPool* m_pool;
    QTimer* m_timer = nullptr;
    bool m_reading = false;
};
