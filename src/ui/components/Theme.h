// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QPointF>
#include <QSizeF>
#include <QString>

class QPainter;
class QWidget;

// The named text styles the views use; each maps to one font of the table in Theme.cpp.
enum class TextStyle
{
    largeTitle,
    title,
    title2,
    title3,
    headline,
    body,
    callout,
    subheadline,
    footnote,
    caption,
    caption2,
};

// Fonts, colours and symbols shared by every view, drawn by ourselves so nothing depends on an icon theme.
namespace Theme {

// The application font at the style's size (in device-independent pixels); headline is semibold by default.
QFont font(TextStyle style, QFont::Weight weight = QFont::Normal);
// The system font at a given size in device-independent pixels.
QFont systemFont(qreal pixelSize, QFont::Weight weight = QFont::Normal);
// The style's size in device-independent pixels, grown with the desktop's font.
qreal pixelSize(TextStyle style);
// A size of the design, in device-independent pixels, grown as the desktop's font is larger than the design's
// body text; never smaller than designed.
qreal scaled(qreal designPixels);

// The contrast ratio of two opaque colours, from 1 (the same) to 21 (black on white).
qreal contrast(const QColor& a, const QColor& b);
// The least contrast text needs, and controls' outlines and focus rings.
constexpr qreal textContrast = 4.5;
constexpr qreal outlineContrast = 3;
// `background` darkened (on a light `text`) or lightened (on a dark one) until `text` reads on it with `ratio`.
QColor readableBackground(const QColor& background, const QColor& text, qreal ratio = textContrast);

enum class Symbol
{
    ellipsis,
    globe,
    chevronRight,
    xmark,
    checkmark,
    exclamationTriangle,
    gear,
    clock,
};

// The symbol drawn in `color`, about `pointSize` high, at the given pixel ratio; transparent elsewhere.
QPixmap symbol(Symbol symbol, qreal pointSize, const QColor& color, qreal devicePixelRatio);
// Draws the symbol into the square `rect`.
void drawSymbol(QPainter& painter, Symbol symbol, const QRectF& rect, const QColor& color);

QColor primary(const QPalette& palette);   // text colour
QColor secondary(const QPalette& palette); // secondary text: the text colour faded, still readable on the window
QColor outline(const QPalette& palette);   // a control's outline, standing out 3:1 from the window
// Gives the widget's text the secondary colour of its parent's palette, now and after every palette change
// (the desktop switching between light and dark).
void useSecondaryText(QWidget* widget);
// The primary colour at an opacity, for fills such as the hovered-row background.
QColor primary(const QPalette& palette, qreal opacity);
// The rounded background of a hovered row: the primary colour at 0.2.
void fillHoverBackground(QPainter& painter, const QRectF& bounds, const QPalette& palette, qreal cornerRadius);

// Size of `text` when every digit takes the width of the widest digit, so changing numbers do not jiggle.
QSizeF monospacedDigitsSize(const QFont& font, const QString& text);
// Draws `text` with monospaced digits, its left end of the baseline at `baselineOrigin`.
void drawMonospacedDigits(QPainter& painter, const QPointF& baselineOrigin, const QFont& font, const QString& text);

} // namespace Theme
