// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Workspace.h"

#include <QString>

// A way this Linux desktop tells its windows: X11, or a Wayland compositor's own. Each backend is made by
//     static std::unique_ptr<Backend> create(<what it talks to>, QString* whyNot, QObject* parent = nullptr);
// which gives none when this desktop does not offer it, with a few words in whyNot saying why.
class LinuxWorkspace : public Workspace
{
public:
    using Workspace::Workspace;

    // Which sources answered, for the log.
    virtual QString description() const = 0;
    // This program's windows carry its desktop id on every backend.
    QString ownIdentifier() const final;
    QString ownProcessName() const final;

protected:
    // Adds the application unless the list holds it already.
    static void appendOnce(QList<RunningApp>& list, const std::optional<RunningApp>& app);
};
