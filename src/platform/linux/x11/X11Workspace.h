// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppIdIdentity.h"
#include "LinuxWorkspace.h"

#include <QHash>
#include <memory>
#include <optional>

class QSocketNotifier;
class X11Connection;

// The desktop as an X11 session shows it: the application of the active window, from a connection of this
// program's own.
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
    // Which X sources were found, e.g. "X11 :1 (EWMH active window, X-Resource)".
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

    std::unique_ptr<X11Connection> m_x;
    QSocketNotifier* m_notifier = nullptr;
    quint32 m_activeWindow = 0;
    QHash<quint32, std::optional<RunningApp>> m_apps; // by window, resolved once
    AppIdApplications m_identities;
    bool m_pumping = false;
    bool m_pumpPosted = false;
};
