#include "BrowserPermissions.h"

#include "Accessibility.h"
#include "Settings.h"

void BrowserPermissions::openSettings(BrowserPermission permission, Accessibility& accessibility, Settings& settings)
{
    // While the switch is off the question is asked again: a user who once said no may have changed their mind,
    // and a desktop without an accessibility settings program would otherwise leave no way back.
    if (permission == BrowserPermission::accessibility && !accessibility.isTrusted()) {
        settings.setHasAskedForAccessibility(true);
        accessibility.requestTrust();
        return;
    }
    accessibility.openSettings(permission == BrowserPermission::accessibility
                                   ? Accessibility::SettingsPane::accessibility
                                   : Accessibility::SettingsPane::automation);
}
