// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinuxWorkspace.h"

#include "AppIdIdentity.h"

#include <algorithm>

QString LinuxWorkspace::ownIdentifier() const
{
    return AppIdApplications::ownIdentifier();
}

QString LinuxWorkspace::ownProcessName() const
{
    return AppIdApplications::ownProcessName();
}

void LinuxWorkspace::appendOnce(QList<RunningApp>& list, const std::optional<RunningApp>& app)
{
    const bool known = app && std::any_of(list.cbegin(), list.cend(),
                                          [&](const RunningApp& other) { return other.desktopId == app->desktopId; });
    if (app && !known)
        list.append(*app);
}
