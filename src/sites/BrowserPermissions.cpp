#include "BrowserPermissions.h"

#include "Accessibility.h"
#include "Settings.h"

void BrowserPermissions::openSettings(BrowserPermission permission, Accessibility& accessibility, Settings& settings)
{
    if (permission == BrowserPermission::accessibility && !settings.hasAskedForAccessibility()) {
        settings.setHasAskedForAccessibility(true);
        accessibility.requestTrust();
        return;
    }
    accessibility.openSettings(permission == BrowserPermission::accessibility
                                   ? Accessibility::SettingsPane::accessibility
                                   : Accessibility::SettingsPane::automation);
}
