// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether the desktop composites windows, so that the popover may be rounded, shadowed and translucent.
namespace DesktopComposition {

// Wayland always composites; on X11 a compositing manager must be running; the offscreen platform of the
// pictures counts as compositing, so they show the panel as a composited desktop does.
bool active();

} // namespace DesktopComposition
