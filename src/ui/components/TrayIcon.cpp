// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrayIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace TrayIcon {

namespace {

constexpr double smallestShare = 0.05;
constexpr double remainderStrength = 0.4;

// A point on the circle at an angle in degrees, counter-clockwise positive, in y-down coordinates.
QPointF onCircle(const QPointF& center, qreal radius, double degrees)
{
    const double radians = qDegreesToRadians(degrees);
    return {center.x() + radius * std::cos(radians), center.y() - radius * std::sin(radians)};
}

} // namespace

const Layout& resting()
{
    static const Layout layout{{{0.52, 1.0}, {0.30, 1.0}, {0.18, 1.0}}};
    return layout;
}

Layout layout(const QList<int>& shares, int count)
{
    QList<double> kept;
    for (qsizetype i = 0; i < std::min<qsizetype>(std::max(count, 0), shares.size()); ++i) {
        const double fraction = shares[i] / 100.0;
        if (fraction >= smallestShare)
            kept.append(fraction);
    }
    if (kept.isEmpty())
        return resting();

    Layout result;
    double sum = 0;
    for (double fraction : kept) {
        result.arcs.append(Arc{fraction, 1.0});
        sum += fraction;
    }
    if (1 - sum >= smallestShare) {
        result.arcs.append(Arc{1 - sum, remainderStrength});
        sum = 1;
    }
    for (Arc& arc : result.arcs)
        arc.share /= sum;
    return result;
}

QList<Span> visibleSpans(const Layout& layout)
{
    QList<Span> spans;
    double cursor = 90;
    for (qsizetype i = 0; i < layout.arcs.size(); ++i) {
        const double start = cursor - gap - strokeAllowance;
        cursor -= layout.arcs[i].share * 360;
        const double end = cursor + gap + strokeAllowance;
        if (end < start)
            spans.append(Span{int(i), start, end});
    }
    return spans;
}

bool draw(QPainter* painter, const Layout& layout, const QPointF& origin)
{
    if (!painter || !painter->isActive())
        return false;
    const QPointF center = origin + QPointF(side / 2, side / 2);
    const QRectF outer(center.x() - outerRadius, center.y() - outerRadius, 2 * outerRadius, 2 * outerRadius);
    const QRectF inner(center.x() - innerRadius, center.y() - innerRadius, 2 * innerRadius, 2 * innerRadius);
    for (const Span& span : visibleSpans(layout)) {
        // QPainterPath angles are counter-clockwise positive, as ours; a negative sweep runs clockwise.
        QPainterPath path(onCircle(center, outerRadius, span.start));
        path.arcTo(outer, span.start, span.end - span.start);
        path.lineTo(onCircle(center, innerRadius, span.end));
        path.arcTo(inner, span.end, span.start - span.end);
        path.closeSubpath();

        // Fill and stroke as one shape so their overlap does not darken: draw opaque, then apply the strength
        // to the whole arc by painting it through a layer.
        QPainterPath shape = path;
        QPainterPathStroker stroker;
        stroker.setWidth(lineWidth);
        stroker.setJoinStyle(Qt::RoundJoin);
        shape = shape.united(stroker.createStroke(path));

        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setOpacity(painter->opacity() * layout.arcs[span.arc].strength);
        painter->fillPath(shape, Qt::black);
        painter->restore();
    }
    return true;
}

QImage image(const QList<int>& shares, int count, qreal devicePixelRatio)
{
    const int pixels = qCeil(side * devicePixelRatio - 1e-6); // 22 / 17 × 17 stays 22 pixels
    QImage result(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(devicePixelRatio);
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        draw(&painter, layout(shares, count));
    }
    return result;
}

QImage ImageCache::image(const QList<int>& shares, int count, qreal devicePixelRatio)
{
    if (m_image.isNull() || m_shares != shares || m_count != count || m_devicePixelRatio != devicePixelRatio) {
        m_image = TrayIcon::image(shares, count, devicePixelRatio);
        m_shares = shares;
        m_count = count;
        m_devicePixelRatio = devicePixelRatio;
    }
    return m_image;
}

} // namespace TrayIcon
