// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPixmap>

class QPainter;
class QRectF;

// The pictures of the welcome window that the shared symbol set lacks, drawn by ourselves like the rest.
namespace WelcomeSymbols {

enum class Symbol
{
    tray, // a screen with the panel at its top and an arrow pointing up to it
    globe,
    lock,
    allowed, // a filled circle with a checkmark cut out
};

// Draws the symbol into the square `rect` in `color`.
void draw(QPainter& painter, Symbol symbol, const QRectF& rect, const QColor& color);
// The symbol about `side` points high at the pixel ratio; transparent elsewhere.
QPixmap pixmap(Symbol symbol, qreal side, const QColor& color, qreal devicePixelRatio);
// The program's own picture: the ring of the tray, `side` points wide, in `color`.
QPixmap appIcon(qreal side, const QColor& color, qreal devicePixelRatio);

} // namespace WelcomeSymbols
