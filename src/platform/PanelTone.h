// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <optional>

// What the desktop tells of the panel that holds the tray item: whether it is drawn dark or light. Panels do
// not follow the application palette (GNOME's top bar is dark under a light theme, Xfce's panel is dark by
// default), so the tray ring's ink follows this instead.
class PanelTone : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // True for a dark panel, false for a light one; none when the desktop does not say.
    virtual std::optional<bool> isDark() const = 0;

signals:
    void changed();
};
