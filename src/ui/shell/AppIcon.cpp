// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppIcon.h"

#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Shares of the sample day the icon shows, in percent, one per palette colour.
constexpr int shares[] = {34, 24, 17, 13, 12};

} // namespace

QImage AppIcon::render(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal outer = size * 0.46;
    const qreal thickness = size * 0.2;
    const QRectF ring(size / 2.0 - outer + thickness / 2, size / 2.0 - outer + thickness / 2, 2 * outer - thickness,
                      2 * outer - thickness);
    const qreal gap = size >= 32 ? 6 : 10; // degrees between arcs; wider when small, so they stay apart
    qreal start = 90; // 12 o'clock, clockwise
    for (int i = 0; i < int(std::size(shares)); ++i) {
        const qreal span = shares[i] * 3.6;
        QPen pen(Palette::slices()[i].light, thickness, Qt::SolidLine, Qt::FlatCap);
        painter.setPen(pen);
        painter.drawArc(ring, qRound((start - gap / 2) * 16), qRound(-(span - gap) * 16));
        start -= span;
    }
    return image;
}

QIcon AppIcon::icon()
{
    QIcon icon = QIcon::fromTheme(QStringLiteral("app.corvani.Horavane"));
    if (!icon.isNull())
        return icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(render(size)));
    return icon;
}
