// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PanelAppearance.h"

#include "TrayLabel.h"

namespace PanelAppearance {

Panel of(const std::optional<bool>& desktopSaysDark, const QPalette& palette)
{
    if (desktopSaysDark)
        return {*desktopSaysDark ? Appearance::dark : Appearance::light, true};
    return {palette.color(QPalette::Window).lightness() < 128 ? Appearance::dark : Appearance::light, false};
}

QColor ink(const Panel& panel)
{
    return TrayLabel::textColor(panel.tone);
}

QColor halo(const Panel& panel)
{
    if (panel.known)
        return QColor();
    return panel.tone == Appearance::dark ? QColor(0, 0, 0, 191) : QColor(255, 255, 255, 191);
}

} // namespace PanelAppearance
