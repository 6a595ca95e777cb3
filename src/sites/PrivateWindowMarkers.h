// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

// How the browsers title their private windows, in every language they ship (generated from their
// translations by tools/private-window-titles.py).
namespace PrivateWindowMarkers {

// Firefox appends its private-window title to the page's: text before and after the brand name.
struct FirefoxTitle
{
    std::u16string_view before;
    std::u16string_view after;
};

// What Chromium appends to an incognito or guest window's accessible title, such as " (Incognito)".
std::span<const std::u16string_view> chromium();
std::span<const FirefoxTitle> firefox();

} // namespace PrivateWindowMarkers
