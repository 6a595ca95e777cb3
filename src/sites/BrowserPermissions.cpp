// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserPermissions.h"

#include "Accessibility.h"
#include "Settings.h"

void BrowserPermissions::request(BrowserPermission permission, Accessibility& accessibility, Settings& settings)
{
    if (permission == BrowserPermission::rendererAccessibility) {
        accessibility.enableRendererAccessibility();
        return;
    }
    // While the switch is off the question is asked again: a user who once said no may have changed their mind,
    // and a desktop without an accessibility settings program would otherwise leave no way back.
    if (!accessibility.isEnabled()) {
        settings.setHasAskedForAccessibility(true);
        accessibility.enable();
        return;
    }
    accessibility.openSettings();
}
