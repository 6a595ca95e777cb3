#pragma once

#include "BrowserPermission.h"

class Accessibility;
class Settings;

// What the program does when the user wants to grant a browser permission.
namespace BrowserPermissions {

// For accessibility, the first time: the desktop's own trust request, remembered in the settings.
// Otherwise: the desktop's settings page for the permission.
void openSettings(BrowserPermission permission, Accessibility& accessibility, Settings& settings);

} // namespace BrowserPermissions
