// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PopoverPanel.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

constexpr qreal shadowStrength = 0.28; // opacity of the shadow right under the panel's edge

} // namespace

PopoverPanel::PopoverPanel(QWidget* content, Qt::WindowFlags flags, std::function<bool()> composites)
    : QWidget(nullptr, flags | Qt::FramelessWindowHint), m_composites(std::move(composites))
{
    // Always a window with alpha: the square shape paints every pixel opaque, so it looks the same on a desktop
    // without a compositor, and the rounded one needs no new native window when a compositor starts.
    setAttribute(Qt::WA_TranslucentBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    updateShape();
}

void PopoverPanel::updateShape()
{
    const bool rounded = m_composites && m_composites();
    if (rounded == m_rounded && layout()->contentsMargins().left() == (rounded ? shadowMargin : 0))
        return;
    m_rounded = rounded;
    const int margin = rounded ? shadowMargin : 0;
    layout()->setContentsMargins(margin, margin, margin, margin);
    adjustSize();
    update();
}

QRect PopoverPanel::panelRect() const
{
    const int margin = m_rounded ? shadowMargin : 0;
    return rect().adjusted(margin, margin, -margin, -margin);
}

void PopoverPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor window = palette().color(QPalette::Window);
    if (!m_rounded) {
        painter.fillRect(rect(), window);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // A soft shadow: rounded outlines growing outwards, each fainter, below the panel and a little lower.
    const QRectF panel = panelRect();
    painter.setPen(Qt::NoPen);
    constexpr int rings = shadowMargin - shadowOffset;
    QColor shade(0, 0, 0);
    shade.setAlphaF(shadowStrength / rings); // the rings overlap: darkest at the edge, fading outwards
    painter.setBrush(shade);
    for (int step = rings; step >= 1; --step) {
        const QRectF ring = panel.adjusted(-step, -step + shadowOffset, step, step + shadowOffset);
        painter.drawRoundedRect(ring, cornerRadius + step, cornerRadius + step);
    }

    QPainterPath shape;
    shape.addRoundedRect(panel, cornerRadius, cornerRadius);
    // The panel itself replaces the shadow under it, so the translucency shows the desktop, not the shadow.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    QColor fill = window;
    fill.setAlphaF(panelOpacity);
    painter.fillPath(shape, fill);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QColor edge = palette().color(QPalette::WindowText);
    edge.setAlphaF(0.1);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
}
