// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KWinWorkspace.h"

#include "KWinScript.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

const QString objectPath = QStringLiteral("/app/corvani/Horavane/KWin");
const QString pluginName = QStringLiteral("app.corvani.Horavane");

// Plain ES5 for KWin 5's engine; each name is tried in KWin 6's spelling first, then KWin 5's.
const char* const script = R"js(
var service = "%SERVICE%", path = "%PATH%", iface = "app.corvani.Horavane.KWin";
function facts(w) {
    return w ? [String(w.desktopFileName || ""), String(w.resourceClass || ""), String(w.pid || 0)] : ["", "", "0"];
}
function reportActive(w) {
    var f = facts(w);
    callDBus(service, path, iface, "activated", f[0], f[1], f[2]);
}
function reportWindows() {
    var list = workspace.windowList ? workspace.windowList() : workspace.clientList();
    var rows = [];
    for (var i = 0; i < list.length; ++i) {
        if (list[i].normalWindow)
            rows.push(facts(list[i]));
    }
    callDBus(service, path, iface, "windows", JSON.stringify(rows));
}
(workspace.windowActivated || workspace.clientActivated).connect(reportActive);
(workspace.windowAdded || workspace.clientAdded).connect(reportWindows);
(workspace.windowRemoved || workspace.clientRemoved).connect(reportWindows);
reportActive(workspace.windowList ? workspace.activeWindow : workspace.activeClient);
reportWindows();
)js";

} // namespace

std::unique_ptr<KWinWorkspace> KWinWorkspace::create(QDBusConnection bus, QString* whyNot, QObject* parent)
{
    std::unique_ptr<KWinWorkspace> workspace(new KWinWorkspace(bus, parent));
    QString problem;
    if (!bus.registerObject(objectPath, workspace.get(), QDBusConnection::ExportScriptableSlots))
        problem = QStringLiteral("cannot offer ") + objectPath + QStringLiteral(" on the session bus");
    else if (workspace->loadScript(&problem))
        return workspace;
    *whyNot = QStringLiteral("no KWin (%1)").arg(problem);
    return nullptr;
}

KWinWorkspace::KWinWorkspace(QDBusConnection bus, QObject* parent)
    : LinuxWorkspace(parent), m_bus(std::move(bus)),
      m_watcher(new QDBusServiceWatcher(
          QStringLiteral("org.kde.KWin"), m_bus,
          QDBusServiceWatcher::WatchForUnregistration | QDBusServiceWatcher::WatchForRegistration, this))
{
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, &KWinWorkspace::kwinGone);
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        QString problem; // a KWin that came back: run the script in it, or stay without a front window
        loadScript(&problem);
    });
}

bool KWinWorkspace::loadScript(QString* problem)
{
    m_script = KWinScript::load(m_bus, pluginName, scriptText(m_bus.baseService(), objectPath), problem);
    return m_script != nullptr;
}

void KWinWorkspace::kwinGone()
{
    m_script.reset();
    m_running.clear();
    if (!m_front)
        return;
    m_front.reset();
    emit applicationActivated();
}

KWinWorkspace::~KWinWorkspace()
{
    m_script.reset(); // unloads it while the object it reports to still exists
    m_bus.unregisterObject(objectPath);
}

QByteArray KWinWorkspace::scriptText(const QString& service, const QString& path)
{
    return QByteArray(script).replace("%SERVICE%", service.toUtf8()).replace("%PATH%", path.toUtf8());
}

std::optional<RunningApp> KWinWorkspace::frontmostApplication() const
{
    return m_front;
}

QList<RunningApp> KWinWorkspace::runningApplications() const
{
    return m_running;
}

QString KWinWorkspace::description() const
{
    return QStringLiteral("KWin script %1").arg(m_script ? m_script->id() : -1);
}

void KWinWorkspace::activated(const QString& desktopFile, const QString& resourceClass, const QString& pid)
{
    // KWin names a Wayland window's desktop entry when it knows it; its class is the app id or the X class.
    const std::optional<RunningApp> front = m_apps.application(desktopFile, resourceClass, pid.toLongLong());
    if (front == m_front)
        return;
    m_front = front;
    emit applicationActivated();
}

void KWinWorkspace::windows(const QString& json)
{
    m_running.clear();
    for (const QJsonValue& row : QJsonDocument::fromJson(json.toUtf8()).array()) {
        const QJsonArray facts = row.toArray();
        appendOnce(m_running, m_apps.application(facts.at(0).toString(), facts.at(1).toString(),
                                                 facts.at(2).toString().toLongLong()));
    }
}
