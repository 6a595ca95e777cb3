// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the program's windows appear to assistive technology. Every window is listed among the application's
// windows, the popover too (Qt leaves popups out, as it does menus), and a window of plain widgets has the role of a
// window rather than of an unnamed pane; its name is its accessible name, or its title when it has none.
namespace WindowAccessibility {

// Installs the accessibility factory; call once, after the QApplication exists.
void install();

} // namespace WindowAccessibility
