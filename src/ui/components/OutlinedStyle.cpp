// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OutlinedStyle.h"

#include "Theme.h"

#include <QPainter>
#include <QStyleOption>

namespace {

// Strokes a one-pixel outline just inside `rect`, over what the base style drew there.
void drawOutline(QPainter* painter, const QStyleOption* option, const QRectF& rect, qreal radius)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(Theme::outline(option->palette), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(rect, radius, radius);
    painter->restore();
}

// Only Fusion's outlines are too faint; other styles keep their own look. A control showing keyboard focus keeps
// the style's focus outline.
bool outlines(const QStyle* base, const QStyleOption* option)
{
    return base->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0 &&
           !option->state.testFlags(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange);
}

} // namespace

OutlinedStyle::OutlinedStyle(QStyle* base) : QProxyStyle(base) {}

void OutlinedStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_IndicatorCheckBox && outlines(baseStyle(), option))
        drawOutline(painter, option, QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 0);
    // A push button whose fill stands out from the window (the prominent one) needs no outline to be seen.
    const QPalette& palette = option->palette;
    if (element == PE_PanelButtonCommand && outlines(baseStyle(), option) &&
        Theme::contrast(palette.color(QPalette::Button), palette.color(QPalette::Window)) < Theme::outlineContrast)
        drawOutline(painter, option, QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 2);
}

void OutlinedStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                       const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox && outlines(baseStyle(), option))
        drawOutline(painter, option, QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 2);
}
