// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "IdleSince.h"
#include "IdleSource.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QList>
#include <functional>
#include <memory>

class QDBusServiceWatcher;

// Input idleness on GNOME, from Mutter's idle monitor: a watch armed at the idle limit says when the user has
// been idle that long, and a user-active watch then says when input came again. Nothing is asked on a sample.
class MutterIdle final : public IdleSource
{
    Q_OBJECT
public:
    // None when Mutter's idle monitor is not on the session bus.
    static std::unique_ptr<MutterIdle> create(QDBusConnection bus, QObject* parent = nullptr);
    ~MutterIdle() override;

    void setLimit(qint64 milliseconds) override;
    double secondsSinceLastInput() const override;
    QString description() const override;

private slots:
    void watchFired(uint id);

private:
    // A watch in the monitor; a call still on its way is forgotten by counting it as stale.
    struct Watch
    {
        uint id = 0;
        uint ticket = 0;
    };

    MutterIdle(QDBusConnection bus, QObject* parent);
    void arm();
    void addWatch(const QString& method, const QVariantList& arguments, Watch* watch, std::function<void()> added = {});
    void checkStillIdle();
    void removeWatch(Watch* watch);
    void removeWatch(uint id);

    QDBusConnection m_bus;
    QDBusServiceWatcher* m_watcher = nullptr;
    IdleSince m_since;
    QElapsedTimer m_clock;
    Watch m_idleWatch;
    Watch m_activeWatch;
    // Ids that fired before this side knew them: a reply and a signal sent after it can reach this thread in
    // either order. The monitor never reuses an id.
    QList<uint> m_firedEarly;
};
