// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DesktopEntries.h"
#include "LinuxWorkspace.h"

#include <QElapsedTimer>
#include <QHash>
#include <memory>
#include <optional>

class QSocketNotifier;
class X11Connection;
class X11Idle;

// The desktop as an X11 session shows it: the application of the active window, and the input and display
// facts the session state needs, all from one connection of this program's own.
class X11Workspace final : public LinuxWorkspace
{
    Q_OBJECT
public:
    // Connects to $DISPLAY; none when no X display can be opened.
    static std::unique_ptr<X11Workspace> create(QString* whyNot, QObject* parent = nullptr);
    // Whether an X display can be opened at all; needs no Qt application object.
    static bool displayReachable();
    ~X11Workspace() override;

    std::optional<RunningApp> frontmostApplication() const override;
    // In the order their first window appeared.
    QList<RunningApp> runningApplications() const override;
    QString ownIdentifier() const override;
    QString ownProcessName() const override;

    // The user's idle limit, at which the idle time starts to count.
    void setIdleLimit(qint64 milliseconds);
    // Seconds since the last keyboard or pointer input once the idle limit is reached, else 0; without the
    // server's idle alarms, always. 0 when the server cannot tell.
    double secondsSinceLastInput() const;
    // Whether the display is in a DPMS power-saving state; false when the server has no DPMS.
    bool displayIsAsleep() const;
    // Which X sources were found, e.g.
    // "X11 :1 (EWMH active window, X-Resource, idle from SYNC IDLETIME alarms, no DPMS)".
    QString description() const override;
    // Replies from the X server waited for so far, for measurements.
    quint64 roundTrips() const;

private:
    enum class Announce
    {
        now,
        later
    };

    X11Workspace(std::unique_ptr<X11Connection> connection, QObject* parent);
    // Handles the arrived events; announces a change of the active window now or from the event loop.
    void pump(bool readSocket, Announce announce);
    void pumpLater();
    std::optional<RunningApp> describe(quint32 window);
    void indexDesktopEntries();

    std::unique_ptr<X11Connection> m_x;
    std::unique_ptr<X11Idle> m_idle;
    QSocketNotifier* m_notifier = nullptr;
    quint32 m_activeWindow = 0;
    QHash<quint32, std::optional<RunningApp>> m_apps; // by window, resolved once
    std::optional<DesktopEntries> m_entries;          // indexed on first need
    QElapsedTimer m_indexed;                          // since the entries were indexed
    bool m_pumping = false;
    bool m_pumpPosted = false;
};
