// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WelcomeSymbols.h"

#include "Theme.h"
#include "TrayIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

void drawTray(QPainter& painter, const QRectF& box, qreal line)
{
    const QRectF screen(box.left() + line / 2, box.top() + box.height() * 0.14, box.width() - line,
                        box.height() * 0.72);
    const qreal corner = box.width() * 0.1;
    painter.drawRoundedRect(screen, corner, corner);
    const qreal barY = screen.top() + screen.height() * 0.22;
    painter.drawLine(QPointF(screen.left(), barY), QPointF(screen.right(), barY));
    const QPointF tip(screen.center().x(), barY + line * 1.5);
    const qreal arm = screen.height() * 0.2;
    painter.drawLine(tip, QPointF(tip.x(), screen.bottom() - line * 1.5));
    painter.drawPolyline(QPolygonF{{tip.x() - arm, tip.y() + arm}, tip, {tip.x() + arm, tip.y() + arm}});
}

void drawLock(QPainter& painter, const QRectF& box, qreal line)
{
    const QRectF body(box.left() + box.width() * 0.16, box.top() + box.height() * 0.44, box.width() * 0.68,
                      box.height() * 0.5);
    const qreal corner = box.width() * 0.08;
    const qreal shackle = body.width() * 0.32; // radius of the shackle's arch
    const QPointF top(body.center().x(), box.top() + line / 2 + shackle);
    QPainterPath arch;
    arch.moveTo(top.x() - shackle, body.top());
    arch.lineTo(top.x() - shackle, top.y());
    arch.arcTo(QRectF(top.x() - shackle, top.y() - shackle, 2 * shackle, 2 * shackle), 180, -180);
    arch.lineTo(top.x() + shackle, body.top());
    painter.drawPath(arch);
    painter.setBrush(painter.pen().color());
    painter.drawRoundedRect(body, corner, corner);
}

void drawAllowed(QPainter& painter, const QRectF& box, qreal line, const QColor& color)
{
    const QPointF c = box.center();
    const qreal h = box.width() / 2;
    QPainterPath disc;
    disc.addEllipse(box);
    QPainterPathStroker stroker;
    stroker.setWidth(line * 1.6);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath check;
    check.moveTo(c.x() - h * 0.42, c.y() + h * 0.02);
    check.lineTo(c.x() - h * 0.1, c.y() + h * 0.35);
    check.lineTo(c.x() + h * 0.45, c.y() - h * 0.35);
    // Cut out rather than painted white, so the check shows whatever is behind the row.
    painter.fillPath(disc.subtracted(stroker.createStroke(check)), color);
}

} // namespace

void WelcomeSymbols::draw(QPainter& painter, Symbol symbol, const QRectF& rect, const QColor& color)
{
    if (symbol == Symbol::globe) {
        Theme::drawSymbol(painter, Theme::Symbol::globe, rect, color);
        return;
    }
    const qreal side = std::min(rect.width(), rect.height());
    const QRectF box(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    const qreal line = std::max<qreal>(1, side / 12);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    switch (symbol) {
    case Symbol::tray:
        drawTray(painter, box, line);
        break;
    case Symbol::lock:
        drawLock(painter, box, line);
        break;
    case Symbol::allowed:
        drawAllowed(painter, box, line, color);
        break;
    case Symbol::globe:
        break;
    }
    painter.restore();
}

QPixmap WelcomeSymbols::pixmap(Symbol symbol, qreal side, const QColor& color, qreal devicePixelRatio)
{
    if (!(devicePixelRatio > 0))
        devicePixelRatio = 1;
    side = std::max<qreal>(1, side);
    const int pixels = qCeil(side * devicePixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter, symbol, QRectF(0, 0, side, side), color);
    return pixmap;
}

QPixmap WelcomeSymbols::appIcon(qreal side, const QColor& color, qreal devicePixelRatio)
{
    if (!(devicePixelRatio > 0))
        devicePixelRatio = 1;
    side = std::max<qreal>(1, side);
    const int pixels = qCeil(side * devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(pixels / TrayIcon::side, pixels / TrayIcon::side);
        TrayIcon::draw(&painter, TrayIcon::resting());
        // The ring is drawn as a template (black with alpha); this gives it the colour.
        painter.resetTransform();
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), color);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
