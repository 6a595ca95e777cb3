// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "IdleSince.h"
#include "IdleSource.h"

#include <QElapsedTimer>
#include <memory>

class WaylandConnection;

// Input idleness from the compositor's idle notification: ext_idle_notifier_v1, else KDE's org_kde_kwin_idle.
// The notification is armed at the idle limit.
class WaylandIdle final : public IdleSource
{
    Q_OBJECT
public:
    // None when the compositor offers neither protocol or has no seat.
    static std::unique_ptr<WaylandIdle> create(WaylandConnection& connection, QObject* parent = nullptr);
    ~WaylandIdle() override;

    void setLimit(qint64 milliseconds) override;
    // Also 0 once the compositor left.
    double secondsSinceLastInput() const override;
    // Names the protocol in use.
    QString description() const override;

private:
    struct Private;
    WaylandIdle(WaylandConnection& connection, std::unique_ptr<Private> d, QObject* parent);
    void arm();
    void disarm();
    void onIdled();
    void onResumed();

    WaylandConnection& m_connection;
    std::unique_ptr<Private> d;
    IdleSince m_since;
    QElapsedTimer m_clock;
};
