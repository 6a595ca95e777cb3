// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopPanelTone.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QEvent>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace {

const QString xfconf = QStringLiteral("org.xfce.Xfconf");
const QString xfconfPath = QStringLiteral("/org/xfce/Xfconf");
const QString panelChannel = QStringLiteral("xfce4-panel");
const QString themeChannel = QStringLiteral("xsettings");
constexpr int xfconfTimeoutMs = 1000;

// Red, green and blue from 0 to 1: dark below half the lightness (the mean of the largest and the smallest).
bool isDarkRgb(double red, double green, double blue)
{
    return std::max({red, green, blue}) + std::min({red, green, blue}) < 1;
}

// Whether an "r,g,b" colour as kdeglobals writes them is dark.
std::optional<bool> kdeColorIsDark(const QVariant& value)
{
    const QStringList parts =
        value.toStringList().size() == 3 ? value.toStringList() : value.toString().split(QLatin1Char(','));
    if (parts.size() != 3)
        return std::nullopt;
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        rgb[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || rgb[i] < 0 || rgb[i] > 255)
            return std::nullopt;
    }
    return isDarkRgb(rgb[0] / 255.0, rgb[1] / 255.0, rgb[2] / 255.0);
}

std::optional<bool> plasmaPanelIsDark()
{
    const QString file = QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"));
    if (file.isEmpty())
        return std::nullopt;
    const QSettings globals(file, QSettings::IniFormat);
    if (const std::optional<bool> header =
            kdeColorIsDark(globals.value(QStringLiteral("Colors:Header/BackgroundNormal"))))
        return header;
    return kdeColorIsDark(globals.value(QStringLiteral("Colors:Window/BackgroundNormal")));
}

// xfconf's arrays arrive as lists of variants, possibly still wrapped for D-Bus.
QVariantList listOf(const QVariant& value)
{
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<QVariantList>(value.value<QDBusArgument>());
    QVariantList items = value.toList();
    for (QVariant& item : items)
        if (item.canConvert<QDBusVariant>())
            item = item.value<QDBusVariant>().variant();
    return items;
}

// The panels that hold a tray: those listing the id of a "systray" or "statusnotifier" plugin.
QStringList trayPanels(const QVariantMap& panel)
{
    QList<int> trayPlugins;
    for (auto it = panel.cbegin(); it != panel.cend(); ++it) {
        const QString name = it.value().toString();
        if (it.key().startsWith(QStringLiteral("/plugins/plugin-")) && it.key().count(u'/') == 2 &&
            (name == QStringLiteral("systray") || name == QStringLiteral("statusnotifier")))
            trayPlugins.append(it.key().section(u'-', -1).toInt());
    }
    QStringList panels;
    for (auto it = panel.cbegin(); it != panel.cend(); ++it) {
        if (!it.key().endsWith(QStringLiteral("/plugin-ids")))
            continue;
        for (const QVariant& id : listOf(it.value()))
            if (trayPlugins.contains(id.toInt()))
                panels.append(it.key().chopped(int(std::size("/plugin-ids")) - 1));
    }
    return panels;
}

} // namespace

DesktopPanelTone::DesktopPanelTone(DesktopSession::Panel panel, QDBusConnection bus, QObject* parent)
    : PanelTone(parent), m_panel(panel), m_bus(std::move(bus))
{
    refresh();
    if (m_panel == DesktopSession::Panel::xfce)
        m_bus.connect(xfconf, xfconfPath, xfconf, QStringLiteral("PropertyChanged"), this,
                      SLOT(xfconfChanged(QString, QString, QDBusVariant)));
    // Plasma's platform theme hands a new colour scheme to applications as a palette change.
    if (m_panel == DesktopSession::Panel::plasma && QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

std::optional<bool> DesktopPanelTone::xfcePanelIsDark(const QVariantMap& panel, const QString& themeName)
{
    if (panel.isEmpty())
        return std::nullopt;
    if (panel.value(QStringLiteral("/panels/dark-mode")).toBool())
        return true;
    const QStringList panels = trayPanels(panel);
    const QString tray = panels.isEmpty() ? QStringLiteral("/panels/panel-1") : panels.constFirst();
    if (panel.value(tray + QStringLiteral("/background-style")).toInt() == 1) { // a colour the user chose
        const QVariantList rgba = listOf(panel.value(tray + QStringLiteral("/background-rgba")));
        if (rgba.size() == 4)
            return isDarkRgb(rgba[0].toDouble(), rgba[1].toDouble(), rgba[2].toDouble());
    }
    return themeName.contains(QStringLiteral("dark"), Qt::CaseInsensitive);
}

bool DesktopPanelTone::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange)
        refresh();
    return PanelTone::eventFilter(watched, event);
}

void DesktopPanelTone::xfconfChanged(const QString& channel, const QString&, const QDBusVariant&)
{
    if (channel == panelChannel || channel == themeChannel)
        refresh();
}

void DesktopPanelTone::refresh()
{
    const std::optional<bool> dark = m_panel == DesktopSession::Panel::plasma ? plasmaPanelIsDark()
                                     : m_panel == DesktopSession::Panel::xfce ? readXfce()
                                                                              : std::optional(true);
    if (dark == m_dark)
        return;
    m_dark = dark;
    emit changed();
}

std::optional<bool> DesktopPanelTone::readXfce() const
{
    const auto call = [this](const QString& method, const QString& channel, const QString& property) {
        QDBusMessage message = QDBusMessage::createMethodCall(xfconf, xfconfPath, xfconf, method);
        message << channel << property;
        return m_bus.call(message, QDBus::Block, xfconfTimeoutMs);
    };
    const QDBusMessage all = call(QStringLiteral("GetAllProperties"), panelChannel, QStringLiteral("/"));
    if (all.type() != QDBusMessage::ReplyMessage || all.arguments().isEmpty())
        return std::nullopt;
    const QVariantMap panel = qdbus_cast<QVariantMap>(all.arguments().constFirst());
    const QDBusMessage theme = call(QStringLiteral("GetProperty"), themeChannel, QStringLiteral("/Net/ThemeName"));
    const QString themeName = theme.type() == QDBusMessage::ReplyMessage && !theme.arguments().isEmpty()
                                  ? theme.arguments().constFirst().value<QDBusVariant>().variant().toString()
                                  : QString();
    return xfcePanelIsDark(panel, themeName);
}
