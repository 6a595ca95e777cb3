// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <optional>

// An application with a window in front, as the desktop describes it.
struct RunningApp
{
    QString desktopId;     // stable identifier: the desktop-file id, else the window class; empty when unknown
    QString localizedName; // display name; empty when unknown
    qint64 pid = 0;        // process identifier; 0 when unknown

    bool operator==(const RunningApp&) const = default;
};

// The desktop's applications: which one is in front, and when that changes.
class Workspace : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~Workspace() override = default;

    // The application in front, or none (no window has the focus, or it cannot be told).
    virtual std::optional<RunningApp> frontmostApplication() const = 0;
    // The applications with a window on the desktop, each once.
    virtual QList<RunningApp> runningApplications() const = 0;
    // This program's own application identifier, empty when it has none.
    virtual QString ownIdentifier() const = 0;
    // This program's process name.
    virtual QString ownProcessName() const = 0;

signals:
    // Another application came to the front.
    void applicationActivated();
};
