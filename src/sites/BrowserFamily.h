// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BrowserPermission.h"

#include <QStringView>
#include <optional>

// How a browser is asked for the address of its front page. A small value type rather than a bare
// enumeration so that the lookup reads `BrowserFamily::of(id)`; the cases are scoped by the class.
class BrowserFamily
{
public:
    enum Value : unsigned char
    {
        chromium,
        firefox,
    };

    constexpr BrowserFamily(Value value) : m_value(value) {}
    constexpr operator Value() const { return m_value; }

    // The family of the application with this identifier, or none when it is not a known browser.
    // Exact, case-sensitive match against a fixed list; pure and callable from any thread.
    static std::optional<BrowserFamily> of(QStringView appId);

    // The permission the user grants so that this family's browsers can be asked.
    constexpr BrowserPermission permission() const
    {
        return m_value == firefox ? BrowserPermission::accessibility : BrowserPermission::rendererAccessibility;
    }

private:
    Value m_value;
};
