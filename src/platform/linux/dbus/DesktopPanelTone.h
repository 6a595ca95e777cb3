// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DesktopSession.h"
#include "PanelTone.h"

#include <QDBusConnection>
#include <QVariantMap>

class QDBusVariant;

// The panel's tone as the desktop tells it: GNOME Shell's top bar is always dark; Plasma's panel takes the
// colour scheme's header colour (kdeglobals); Xfce's panel is dark in its dark mode (the default since 4.18), else
// drawn in the colour the user chose or in the GTK theme (xfconf on the session bus). Read at start and again when
// the desktop reports a change, never per sample.
class DesktopPanelTone final : public PanelTone
{
    Q_OBJECT
public:
    DesktopPanelTone(DesktopSession::Panel panel, QDBusConnection bus, QObject* parent = nullptr);

    std::optional<bool> isDark() const override { return m_dark; }

    // Whether the Xfce panel holding the tray is dark, from all properties of the "xfce4-panel" channel and the
    // GTK theme's name; none when the settings say nothing.
    static std::optional<bool> xfcePanelIsDark(const QVariantMap& panel, const QString& themeName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void xfconfChanged(const QString& channel, const QString& property, const QDBusVariant& value);

private:
    void refresh();
    std::optional<bool> readXfce() const;

    DesktopSession::Panel m_panel;
    QDBusConnection m_bus;
    std::optional<bool> m_dark;
};
