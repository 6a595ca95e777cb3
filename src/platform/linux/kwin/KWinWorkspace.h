// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LinuxWorkspace.h"
#include "WindowApplications.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QList>
#include <memory>

class KWinScript;

// The desktop as KWin shows it, told by a script loaded into KWin: it reports the window in front at load and
// at every activation, and the list of windows when it changes, by calling this object over D-Bus. A sample
// asks nobody. The script is unloaded when this object goes.
class KWinWorkspace final : public LinuxWorkspace
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "app.corvani.Horavane.KWin")
public:
    // None when KWin is not on the session bus or does not run the script.
    static std::unique_ptr<KWinWorkspace> create(QDBusConnection bus, QString* whyNot, QObject* parent = nullptr);
    ~KWinWorkspace() override;

    std::optional<RunningApp> frontmostApplication() const override;
    // The applications with a normal window, in KWin's order.
    QList<RunningApp> runningApplications() const override;
    // Names the script's number in KWin.
    QString description() const override;

    // The script's text, reporting to this D-Bus service and object path.
    static QByteArray scriptText(const QString& service, const QString& path);

public slots:
    // From the script: the window now in front (empty texts and pid "0" when none).
    Q_SCRIPTABLE void activated(const QString& desktopFile, const QString& resourceClass, const QString& pid);
    // From the script: every normal window, as a JSON array of [desktopFile, resourceClass, pid].
    Q_SCRIPTABLE void windows(const QString& json);

private:
    KWinWorkspace(QDBusConnection bus, QObject* parent);
    bool loadScript(QString* problem);
    // KWin left the bus (it crashed or is being replaced): its script is gone with it.
    void kwinGone();

    QDBusConnection m_bus;
    QDBusServiceWatcher* m_watcher = nullptr;
    std::unique_ptr<KWinScript> m_script;
    WindowApplications m_apps;
    std::optional<RunningApp> m_front;
    QList<RunningApp> m_running;
};
