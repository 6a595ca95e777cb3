#pragma once

#include "BrowserPermission.h"

class Accessibility;
class Settings;

// What the program does when the user wants to grant a browser permission.
namespace BrowserPermissions {

// For accessibility while it is off: the trust request (which asks the user first), remembered in the
// settings. Otherwise: the settings page for the permission.
void openSettings(BrowserPermission permission, Accessibility& accessibility, Settings& settings);

} // namespace BrowserPermissions
