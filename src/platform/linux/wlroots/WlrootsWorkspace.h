// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppIdIdentity.h"
#include "LinuxWorkspace.h"

#include <QList>
#include <memory>

class WaylandConnection;

// The desktop as a wlroots compositor shows it: a handle per window with its app id and whether it is
// activated. Every change arrives as an event and is described then, so a sample asks the compositor nothing.
class WlrootsWorkspace final : public LinuxWorkspace
{
    Q_OBJECT
public:
    // None when the compositor offers no zwlr_foreign_toplevel_manager_v1.
    static std::unique_ptr<WlrootsWorkspace> create(WaylandConnection& connection, QString* whyNot,
                                                    QObject* parent = nullptr);
    ~WlrootsWorkspace() override;

    std::optional<RunningApp> frontmostApplication() const override;
    // In the order their first window appeared.
    QList<RunningApp> runningApplications() const override;
    QString description() const override;

private:
    struct Private;
    struct Window;
    WlrootsWorkspace(WaylandConnection& connection, std::unique_ptr<Private> d, QObject* parent);
    void windowDone(Window& window);
    void windowClosed(Window& window);
    void updateFront();
    std::optional<RunningApp> application(Window& window);

    WaylandConnection& m_connection;
    std::unique_ptr<Private> d;
    AppIdApplications m_apps;
    std::optional<RunningApp> m_front;
};
