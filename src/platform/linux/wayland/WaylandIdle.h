#pragma once

#include "IdleSince.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <memory>

class WaylandConnection;

// Input idleness from the compositor's idle notification: ext_idle_notifier_v1, else KDE's org_kde_kwin_idle.
// Wayland tells no "seconds since input", only that the user has been idle for a chosen time, so the
// notification is armed at the idle limit and the time before it counts as no idleness.
class WaylandIdle final : public QObject
{
    Q_OBJECT
public:
    // None when the compositor offers neither protocol or has no seat.
    static std::unique_ptr<WaylandIdle> create(WaylandConnection& connection, QObject* parent = nullptr);
    ~WaylandIdle() override;

    // Arms the notification for this many milliseconds without input; a different value re-arms it.
    void setLimit(qint64 milliseconds);
    // Seconds since the last input once the limit has passed without input; 0 before, or when the compositor left.
    double secondsSinceLastInput() const;
    // The protocol in use, for the log.
    QString protocolName() const;

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
