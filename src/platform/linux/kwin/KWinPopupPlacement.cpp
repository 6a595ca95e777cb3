// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KWinPopupPlacement.h"

#include "KWinScript.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

const QString objectPath = QStringLiteral("/app/corvani/Horavane/KWinPopup");
const QString pluginName = QStringLiteral("app.corvani.Horavane.popup");

// Plain ES5 for KWin 5's engine; each name is tried in KWin 6's spelling first, then KWin 5's.
const char* const script = R"js(
var service = "%SERVICE%", path = "%PATH%", iface = "app.corvani.Horavane.KWinPopup", wanted = %WANTED%;
function place(w) {
    callDBus(service, path, iface, "position", function (x, y) {
        var area = workspace.clientArea(KWin.MaximizeArea, w), frame = w.frameGeometry;
        x = Math.max(area.x, Math.min(x, area.x + area.width - frame.width));
        y = Math.max(area.y, Math.min(y, area.y + area.height - frame.height));
        if (x != frame.x || y != frame.y)
            w.frameGeometry = {x: x, y: y, width: frame.width, height: frame.height};
    });
}
function added(w) {
    if (w.pid != wanted[0] || w.caption != wanted[1])
        return;
    w.skipTaskbar = true;
    w.skipPager = true;
    w.skipSwitcher = true;
    w.keepAbove = true;
    w.frameGeometryChanged.connect(function () { place(w); });
    place(w);
}
(workspace.windowAdded || workspace.clientAdded).connect(added);
)js";

// The script, for this process's window with the title, asking this D-Bus service's placement object.
QByteArray scriptText(const QString& service, const QString& title)
{
    // The title goes in as JSON, so that no character of it can end the script's string early.
    const QByteArray wanted =
        QJsonDocument(QJsonArray{QCoreApplication::applicationPid(), title}).toJson(QJsonDocument::Compact);
    return QByteArray(script)
        .replace("%SERVICE%", service.toUtf8())
        .replace("%PATH%", objectPath.toUtf8())
        .replace("%WANTED%", wanted);
}

} // namespace

std::unique_ptr<KWinPopupPlacement> KWinPopupPlacement::create(QDBusConnection bus, const QString& title,
                                                               std::function<QPoint()> position)
{
    std::unique_ptr<KWinPopupPlacement> placement(new KWinPopupPlacement(bus, std::move(position)));
    if (!bus.registerObject(objectPath, placement.get(), QDBusConnection::ExportScriptableSlots))
        return nullptr;
    QString problem;
    placement->m_script = KWinScript::load(bus, pluginName, scriptText(bus.baseService(), title), &problem);
    if (!placement->m_script)
        return nullptr;
    return placement;
}

KWinPopupPlacement::KWinPopupPlacement(QDBusConnection bus, std::function<QPoint()> position)
    : m_bus(std::move(bus)), m_position(std::move(position))
{
}

KWinPopupPlacement::~KWinPopupPlacement()
{
    m_script.reset(); // unloads it while the object it asks still exists
    m_bus.unregisterObject(objectPath);
}

void KWinPopupPlacement::position(int& x, int& y) const
{
    const QPoint at = m_position();
    x = at.x();
    y = at.y();
}
