#pragma once

#include "Palette.h"

#include <QColor>
#include <QPalette>
#include <QString>
#include <optional>

// Whether the panel that holds the tray is dark or light, which decides the tray ring's ink. Panels do
// not follow the application palette: GNOME's top bar is dark whatever the theme, Plasma's panel takes the
// colour scheme's header colour, and other panels follow the desktop theme, as the palette does.
namespace PanelAppearance {

// The panel's appearance on the desktop named by XDG_CURRENT_DESKTOP (a colon-separated list), given
// Plasma's header or window background colour when known and the application palette.
Appearance of(const QString& currentDesktop, const std::optional<QColor>& plasmaPanel, const QPalette& palette);

// The same for this session: the environment, Plasma's colour scheme in kdeglobals, the palette.
Appearance current(const QPalette& palette);

} // namespace PanelAppearance
