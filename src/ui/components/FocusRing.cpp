// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FocusRing.h"

#include "Theme.h"

#include <QEvent>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace {

constexpr qreal ringWidth = 2;
constexpr qreal buttonCornerRadius = 4;

void drawRing(QPainter& painter, const QRectF& rect, const QColor& color, qreal cornerRadius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, ringWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = ringWidth / 2;
    painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), cornerRadius, cornerRadius);
    painter.restore();
}

// Paints the ring after the widget has painted itself.
class Overlay final : public QObject
{
public:
    explicit Overlay(QWidget* widget) : QObject(widget), m_widget(widget) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_widget || event->type() != QEvent::Paint || !m_widget->hasFocus())
            return QObject::eventFilter(watched, event);
        static_cast<QObject*>(m_widget)->event(event); // the widget paints itself first (QWidget::event is protected)
        QPainter painter(m_widget);
        const QPalette& palette = m_widget->palette();
        drawRing(painter, QRectF(m_widget->rect()).adjusted(1, 1, -1, -1),
                 FocusRing::color(palette, palette.color(QPalette::Button)), buttonCornerRadius);
        return true;
    }

private:
    QWidget* m_widget;
};

} // namespace

namespace FocusRing {

QColor color(const QPalette& palette, const QColor& background)
{
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::WindowText, QPalette::HighlightedText})
        if (Theme::contrast(palette.color(role), background) >= Theme::outlineContrast)
            return palette.color(role);
    return palette.color(QPalette::WindowText);
}

void draw(QPainter& painter, const QRectF& rect, const QPalette& palette, qreal cornerRadius)
{
    drawRing(painter, rect, color(palette, palette.color(QPalette::Window)), cornerRadius);
}

void install(QWidget* widget)
{
    widget->installEventFilter(new Overlay(widget));
}

} // namespace FocusRing
