// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Palette.h"

#include <QColor>
#include <QPalette>
#include <optional>

// The panel that holds the tray, as the tray ring's ink needs it: dark or light, and whether the desktop said
// so. When it did not, the application palette is only a guess (a dark panel over a light theme is common), so
// the ring gets a thin halo in the opposite tone that keeps it readable on either.
namespace PanelAppearance {

struct Panel
{
    Appearance tone = Appearance::light;
    bool known = false;

    bool operator==(const Panel&) const = default;
};

Panel of(const std::optional<bool>& desktopSaysDark, const QPalette& palette);

// The ring's ink on that panel, and its halo (invalid when none is needed).
QColor ink(const Panel& panel);
QColor halo(const Panel& panel);

} // namespace PanelAppearance
