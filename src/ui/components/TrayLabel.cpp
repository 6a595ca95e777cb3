// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrayLabel.h"

#include "DurationText.h"
#include "Theme.h"
#include "TrayIcon.h"

#include <QCoreApplication>
#include <QPainter>

namespace TrayLabel {

namespace {

constexpr qreal timePixelSize = 13; // the tray text size

QFont timeFont()
{
    return Theme::systemFont(timePixelSize);
}

} // namespace

QColor textColor(Appearance panel)
{
    return panel == Appearance::dark ? QColor(Qt::white) : QColor(0, 0, 0, 217);
}

QImage image(const Glance& glance, bool showsTime, int chartColors, const QColor& color, qreal devicePixelRatio,
             TrayIcon::ImageCache* cache, const QColor& halo)
{
    if (!(devicePixelRatio > 0))
        devicePixelRatio = 1;
    const int count = Palette::effectiveColorCount(chartColors);
    const QList<int> shares = glance.shares.mid(0, count);
    const QImage ring =
        cache ? cache->image(shares, count, devicePixelRatio) : TrayIcon::image(shares, count, devicePixelRatio);

    const QString time = showsTime ? DurationText::string(double(glance.minutes) * 60) : QString();
    const QFont font = timeFont();
    const QSizeF textSize = showsTime ? Theme::monospacedDigitsSize(font, time) : QSizeF();
    const qreal width = TrayIcon::side + (showsTime ? spacing + std::ceil(textSize.width()) : 0);
    const qreal height = std::max<qreal>(TrayIcon::side, std::ceil(textSize.height()));

    // A ratio chosen for a pixel size (22 / 17) may carry rounding noise that must not add a pixel.
    const auto pixels = [devicePixelRatio](qreal points) { return qCeil(points * devicePixelRatio - 1e-6); };
    QImage result(pixels(width), pixels(height), QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(devicePixelRatio);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // The ring is a template: its alpha is the shape, the panel's text colour is the ink.
    const qreal ringTop = (height - TrayIcon::side) / 2;
    const auto tinted = [&ring](const QColor& ink) {
        QImage image = ring;
        QPainter tint(&image);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(QRectF(0, 0, TrayIcon::side, TrayIcon::side), ink);
        return image;
    };
    if (halo.isValid()) {
        const QImage outline = tinted(halo);
        const qreal pixel = 1 / devicePixelRatio;
        for (const int dx : {-1, 0, 1})
            for (const int dy : {-1, 0, 1})
                if (dx != 0 || dy != 0)
                    painter.drawImage(QPointF(dx * pixel, ringTop + dy * pixel), outline);
    }
    painter.drawImage(QPointF(0, ringTop), tinted(color));

    if (showsTime) {
        const QFontMetricsF metrics(font);
        const qreal baseline = (height - metrics.height()) / 2 + metrics.ascent();
        painter.setPen(color);
        Theme::drawMonospacedDigits(painter, QPointF(TrayIcon::side + spacing, baseline), font, time);
    }
    return result;
}

QString toolTip(const Glance& glance)
{
    //: The tray item's tooltip: the program's name, then the time recorded today ("1h 32m")
    return QCoreApplication::translate("TrayLabel", "%1 — %2")
        .arg(accessibleName(), DurationText::string(double(glance.minutes) * 60));
}

QString accessibleName()
{
    return QStringLiteral("Horavane"); // the program's name, the same in every language
}

} // namespace TrayLabel
