// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BrowserPermission.h"

class Accessibility;
class Settings;

// What the program does when the user wants to grant a browser permission.
namespace BrowserPermissions {

// For accessibility while it is off: switching it on (which asks the user first), remembered in the
// settings; while it is on: the desktop's accessibility settings. For renderer accessibility: enabling it.
void request(BrowserPermission permission, Accessibility& accessibility, Settings& settings);

} // namespace BrowserPermissions
