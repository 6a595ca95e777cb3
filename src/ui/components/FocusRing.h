// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRectF>

class QPainter;
class QPalette;
class QWidget;

// The ring that shows which control has the keyboard, in a colour that stands out 3:1 from what lies around it.
namespace FocusRing {

// The palette's accent where it stands out from `background`, else its text colour, else the accent's text colour.
QColor color(const QPalette& palette, const QColor& background);
// Draws the ring just inside `rect`, against the palette's window colour.
void draw(QPainter& painter, const QRectF& rect, const QPalette& palette, qreal cornerRadius);
// Draws a ring inside `widget` whenever it has the focus, over what its style draws (which on a filled or flat
// button shows the focus faintly or not at all); the ring stands out from the widget's button colour.
void install(QWidget* widget);

} // namespace FocusRing
