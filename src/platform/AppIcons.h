// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>
#include <optional>

// The icons the desktop shows for its applications. Called on the main thread; implementations may read
// files, so callers keep what they get.
class AppIcons
{
public:
    virtual ~AppIcons() = default;

    // The icon of the application with this identifier (desktop-file id on Linux), or none when the
    // desktop knows no icon for it.
    virtual std::optional<QImage> icon(const QString& identifier) const = 0;
    // The icon the desktop shows for an application it cannot tell apart; never a null image.
    virtual QImage genericIcon() const = 0;
};
