// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppIdIdentity.h"

#include <QHash>
#include <QList>

// The applications of windows that a compositor names by desktop entry or app id, with a pid: each described
// once and kept, so a window coming back to the front costs no lookup.
class WindowApplications
{
public:
    // The desktop entry decides when the compositor knows it; else the app id (a Wayland app id or an X class).
    std::optional<RunningApp> application(const QString& desktopEntry, const QString& appId, qint64 pid);

private:
    AppIdApplications m_apps;
    QHash<QString, std::optional<RunningApp>> m_described; // by app id and pid
};
