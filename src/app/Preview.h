// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PreviewOptions.h"

// Renders one view on made-up history for pictures: the popover, the history window, the settings, the
// welcome window or a sheet of tray rings, in a window at the top right of the screen; prints
// "window " and the window's X11 id, can move a simulated pointer over it, can save it as PNG, and quits
// after a few seconds. Uses a throw-away store unless told to read the real one.
namespace Preview {

// Runs the preview to its end and returns the exit status.
int run(int argc, char** argv, const PreviewOptions& options);

} // namespace Preview
