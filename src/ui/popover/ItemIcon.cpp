// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ItemIcon.h"

#include "Icons.h"
#include "Theme.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal faviconSide = 18;
constexpr qreal faviconRadius = 4.5;
constexpr qreal globeSize = 15;

// Scales in one high-quality step to the target's pixels, which keeps small icons of large images sharp.
void drawScaled(QPainter& painter, const QRectF& target, const QImage& image, qreal devicePixelRatio)
{
    const QSize pixels = (target.size() * devicePixelRatio).toSize();
    if (image.isNull() || pixels.isEmpty())
        return;
    painter.drawImage(target, image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace

namespace ItemIcon {

QPixmap render(Icons& icons, const ItemKey& key, const QPalette& palette, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(frame, frame) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QRectF square(0, 0, frame, frame);

    if (key.kind == ItemKind::app) {
        drawScaled(painter, square, icons.appIcon(key.id), devicePixelRatio);
        return pixmap;
    }
    if (const std::optional<QImage> favicon = icons.favicon(key.id)) {
        QRectF inner(0, 0, faviconSide, faviconSide);
        inner.moveCenter(square.center());
        QPainterPath clip;
        clip.addRoundedRect(inner, faviconRadius, faviconRadius);
        painter.setClipPath(clip);
        drawScaled(painter, inner, *favicon, devicePixelRatio);
        return pixmap;
    }
    QRectF globe(0, 0, globeSize, globeSize);
    globe.moveCenter(square.center());
    Theme::drawSymbol(painter, Theme::Symbol::globe, globe, Theme::secondary(palette));
    return pixmap;
}

} // namespace ItemIcon
