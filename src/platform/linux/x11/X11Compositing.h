// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether a compositing manager draws the X11 desktop, so windows may have translucent, rounded edges.
namespace X11Compositing {

// True while some client owns the _NET_WM_CM_Sn selection of $DISPLAY's default screen; false without a display.
// One round trip on a connection kept for the purpose.
bool isActive();

} // namespace X11Compositing
