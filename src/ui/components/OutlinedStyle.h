// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

// The desktop's widget style; on Fusion, check boxes, combo boxes and push buttons get their outlines in the theme's
// outline colour, since Fusion draws them barely darker than the window (or lighter than it, in dark).
class OutlinedStyle final : public QProxyStyle
{
public:
    // Wraps `base` (owned), or the application's own style when null.
    explicit OutlinedStyle(QStyle* base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};
