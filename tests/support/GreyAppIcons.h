// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppIcons.h"

#include <QColor>
#include <QImage>

// A desktop that knows no application's icon: every one gets the same grey square, which has no hue,
// so colours go by position alone.
class GreyAppIcons final : public AppIcons
{
public:
    std::optional<QImage> icon(const QString&) const override { return std::nullopt; }
    QImage genericIcon() const override
    {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(QColor(128, 128, 128));
        return image;
    }
};
