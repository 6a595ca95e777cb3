// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LinuxWorkspace.h"
#include "WindowApplications.h"

#include <QDBusConnection>
#include <QList>
#include <memory>

class QDBusPendingCall;
class QDBusServiceWatcher;

// The desktop as GNOME Shell shows it, told by Horavane's shell extension over the session bus: it signals
// every change of the window in front, so a sample asks nobody. Until the extension answers (not installed,
// not enabled, or enabled but not yet loaded by the shell) nothing is in front; once it comes onto the bus,
// recording starts without a restart.
class GnomeShellWorkspace final : public LinuxWorkspace
{
    Q_OBJECT
public:
    // None when GNOME Shell does not run this session.
    static std::unique_ptr<GnomeShellWorkspace> create(QDBusConnection bus, QString* whyNot, QObject* parent = nullptr);
    // Follows the extension on this bus, whether or not the shell is there.
    explicit GnomeShellWorkspace(QDBusConnection bus, QObject* parent = nullptr);
    ~GnomeShellWorkspace() override;

    std::optional<RunningApp> frontmostApplication() const override;
    // The applications with a window on the taskbar.
    QList<RunningApp> runningApplications() const override;
    // Says whether the extension answers.
    QString description() const override;
    // Whether the extension is on the bus.
    bool extensionAnswers() const { return m_answers; }

signals:
    // The extension came onto the bus or left it.
    void extensionAnswersChanged(bool answers);

private slots:
    void focusChanged(const QString& appId, const QString& desktopEntry, uint pid);
    void windowsChanged();

private:
    void extensionArrived();
    void extensionLeft();
    void askFocus();
    void setFront(const std::optional<RunningApp>& front);
    QDBusPendingCall call(const QString& method);

    QDBusConnection m_bus;
    QDBusServiceWatcher* m_watcher = nullptr;
    WindowApplications m_apps;
    std::optional<RunningApp> m_front;
    quint64 m_focusSignals = 0;
    QList<RunningApp> m_running;
    bool m_answers = false;
};
