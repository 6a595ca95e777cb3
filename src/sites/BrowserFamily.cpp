// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserFamily.h"

#include <QLatin1StringView>
#include <utility>

namespace {

using Row = std::pair<QLatin1StringView, BrowserFamily::Value>;

// Tested in order; the first row that matches decides. The makers' reverse-DNS identifiers come first
// (some of them are Flatpak ids too), then the desktop-file ids, the other Flatpak ids and the snap ids.
constexpr Row rows[] = {
    {QLatin1StringView("net.imput.helium"), BrowserFamily::chromium},
    {QLatin1StringView("com.google.Chrome"), BrowserFamily::chromium},
    {QLatin1StringView("com.google.Chrome.beta"), BrowserFamily::chromium},
    {QLatin1StringView("com.google.Chrome.dev"), BrowserFamily::chromium},
    {QLatin1StringView("com.google.Chrome.canary"), BrowserFamily::chromium},
    {QLatin1StringView("org.chromium.Chromium"), BrowserFamily::chromium},
    {QLatin1StringView("com.brave.Browser"), BrowserFamily::chromium},
    {QLatin1StringView("com.brave.Browser.beta"), BrowserFamily::chromium},
    {QLatin1StringView("com.brave.Browser.nightly"), BrowserFamily::chromium},
    {QLatin1StringView("com.vivaldi.Vivaldi"), BrowserFamily::chromium},
    {QLatin1StringView("com.vivaldi.Vivaldi.snapshot"), BrowserFamily::chromium},
    {QLatin1StringView("org.mozilla.firefox"), BrowserFamily::firefox},
    {QLatin1StringView("org.mozilla.firefoxdeveloperedition"), BrowserFamily::firefox},
    {QLatin1StringView("org.mozilla.nightly"), BrowserFamily::firefox},
    {QLatin1StringView("app.zen-browser.zen"), BrowserFamily::firefox},
    {QLatin1StringView("org.mozilla.com.zen.browser"), BrowserFamily::firefox},
    {QLatin1StringView("io.gitlab.librewolf-community.librewolf"), BrowserFamily::firefox},
    {QLatin1StringView("net.librewolf.librewolf"), BrowserFamily::firefox},
    {QLatin1StringView("net.waterfox.waterfox"), BrowserFamily::firefox},
    {QLatin1StringView("org.waterfoxproject.waterfox"), BrowserFamily::firefox},
    {QLatin1StringView("org.mozilla.floorp"), BrowserFamily::firefox},

    // Linux desktop-file ids. Chromium-family browsers show their pages over AT-SPI 2 only when
    // started with --force-renderer-accessibility; they are still read like every other family.
    {QLatin1StringView("chromium"), BrowserFamily::chromium},
    {QLatin1StringView("chromium-browser"), BrowserFamily::chromium},
    {QLatin1StringView("google-chrome"), BrowserFamily::chromium},
    {QLatin1StringView("google-chrome-beta"), BrowserFamily::chromium},
    {QLatin1StringView("google-chrome-unstable"), BrowserFamily::chromium},
    {QLatin1StringView("brave-browser"), BrowserFamily::chromium},
    {QLatin1StringView("brave-browser-beta"), BrowserFamily::chromium},
    {QLatin1StringView("brave-browser-nightly"), BrowserFamily::chromium},
    {QLatin1StringView("microsoft-edge"), BrowserFamily::chromium},
    {QLatin1StringView("microsoft-edge-beta"), BrowserFamily::chromium},
    {QLatin1StringView("microsoft-edge-dev"), BrowserFamily::chromium},
    {QLatin1StringView("vivaldi-stable"), BrowserFamily::chromium},
    {QLatin1StringView("vivaldi-snapshot"), BrowserFamily::chromium},
    {QLatin1StringView("opera"), BrowserFamily::chromium},
    {QLatin1StringView("opera-beta"), BrowserFamily::chromium},
    {QLatin1StringView("opera-developer"), BrowserFamily::chromium},
    {QLatin1StringView("firefox"), BrowserFamily::firefox},
    {QLatin1StringView("firefox-esr"), BrowserFamily::firefox},
    {QLatin1StringView("firefox-devedition"), BrowserFamily::firefox},
    {QLatin1StringView("firefox-nightly"), BrowserFamily::firefox},
    {QLatin1StringView("librewolf"), BrowserFamily::firefox},
    {QLatin1StringView("waterfox"), BrowserFamily::firefox},
    {QLatin1StringView("floorp"), BrowserFamily::firefox},
    {QLatin1StringView("zen"), BrowserFamily::firefox},
    // Flatpak ids (the ones not already listed above).
    {QLatin1StringView("com.microsoft.Edge"), BrowserFamily::chromium},
    {QLatin1StringView("com.opera.Opera"), BrowserFamily::chromium},
    {QLatin1StringView("io.gitlab.librewolf-community"), BrowserFamily::firefox},
    {QLatin1StringView("app.zen_browser.zen"), BrowserFamily::firefox},
    {QLatin1StringView("one.ablaze.floorp"), BrowserFamily::firefox},
    // Snap desktop-file ids (<snap>_<app>).
    {QLatin1StringView("chromium_chromium"), BrowserFamily::chromium},
    {QLatin1StringView("firefox_firefox"), BrowserFamily::firefox},
};

} // namespace

std::optional<BrowserFamily> BrowserFamily::of(QStringView appId)
{
    for (const auto& [id, family] : rows) {
        if (appId == id) // QStringView against Latin-1: exact, case-sensitive
            return BrowserFamily(family);
    }
    return std::nullopt;
}
