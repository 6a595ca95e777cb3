// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Workspace.h"

// A desktop whose front application a test chooses.
class FakeWorkspace final : public Workspace
{
public:
    std::optional<RunningApp> frontmostApplication() const override { return m_front; }
    QList<RunningApp> runningApplications() const override { return {}; }
    QString ownIdentifier() const override { return m_ownIdentifier; }
    QString ownProcessName() const override { return m_ownProcessName; }

    // Puts the application in front without telling anyone, as between two samples.
    void setFront(std::optional<RunningApp> app) { m_front = std::move(app); }
    // Puts the application in front and announces the switch.
    void activate(std::optional<RunningApp> app)
    {
        m_front = std::move(app);
        emit applicationActivated();
    }
    void setOwnIdentifier(const QString& id) { m_ownIdentifier = id; }
    void setOwnProcessName(const QString& name) { m_ownProcessName = name; }

private:
    std::optional<RunningApp> m_front;
    QString m_ownIdentifier = QStringLiteral("app.corvani.Horavane");
    QString m_ownProcessName = QStringLiteral("horavane");
};

inline RunningApp app(const QString& id, const QString& name = {}, qint64 pid = 100)
{
    return RunningApp{id, name.isEmpty() ? id : name, pid};
}
