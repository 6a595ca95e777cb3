// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// Whether the program starts when the user logs in.
class LoginItem
{
public:
    virtual ~LoginItem() = default;

    virtual bool isEnabled() const = 0;
    // Each returns none on success, else what went wrong, in words for the user.
    virtual std::optional<QString> enable() = 0;
    virtual std::optional<QString> disable() = 0;
};
