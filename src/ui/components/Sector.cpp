// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sector.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

// A point at a clockwise angle from 12 o'clock, in y-down coordinates.
QPointF polar(const QPointF& center, qreal radius, qreal degrees)
{
    const qreal radians = qDegreesToRadians(degrees);
    return {center.x() + radius * std::sin(radians), center.y() - radius * std::cos(radians)};
}

// Qt's arc angles: counter-clockwise from 3 o'clock.
qreal qtAngle(qreal clockwiseFromTop)
{
    return 90 - clockwiseFromTop;
}

QRectF circle(const QPointF& center, qreal radius)
{
    return {center.x() - radius, center.y() - radius, 2 * radius, 2 * radius};
}

} // namespace

QPainterPath Sector::path() const
{
    QPainterPath path;
    if (outerRadius <= innerRadius || outerRadius <= 0)
        return path;
    const bool full = endAngle - startAngle >= 360 && angularInset <= 0;
    if (full) {
        path.addEllipse(circle(center, outerRadius));
        if (innerRadius > 0)
            path.addEllipse(circle(center, innerRadius));
        return path;
    }

    // Each straight edge moves sideways by the inset, parallel to itself, so neighbours keep a gap of even
    // width; on a smaller radius that takes a wider angle.
    auto insetAt = [&](qreal radius) {
        return radius > 0 ? qRadiansToDegrees(std::asin(std::min<qreal>(angularInset / radius, 1))) : qreal(0);
    };
    const qreal outerStart = startAngle + insetAt(outerRadius);
    const qreal outerEnd = endAngle - insetAt(outerRadius);
    if (outerEnd <= outerStart)
        return path;
    const qreal innerInset = innerRadius > 0 ? insetAt(innerRadius) : 0;
    qreal innerStart = startAngle + innerInset;
    qreal innerEnd = endAngle - innerInset;
    const bool innerVanishes = innerRadius <= 0 || innerEnd <= innerStart;
    if (innerVanishes) {
        innerStart = innerEnd = (outerStart + outerEnd) / 2;
    }

    // Corners no larger than fit the band's thickness and the outer arc's length.
    const qreal thickness = outerRadius - innerRadius;
    const qreal outerLength = qDegreesToRadians(outerEnd - outerStart) * outerRadius;
    const qreal corner = std::clamp(std::min({cornerRadius, thickness / 2, outerLength / 2}), qreal(0), cornerRadius);
    const qreal cornerOuter = qRadiansToDegrees(corner / outerRadius);
    const qreal innerLength = innerVanishes ? 0 : qDegreesToRadians(innerEnd - innerStart) * innerRadius;
    const qreal innerCornerRadius = innerVanishes ? 0 : std::min(corner, innerLength / 2);
    const qreal cornerInner = innerCornerRadius > 0 ? qRadiansToDegrees(innerCornerRadius / innerRadius) : 0;

    // Walk round: outer arc clockwise, down the end edge, inner arc counter-clockwise, up the start edge;
    // each corner is a quadratic curve through the sharp corner point, which reads as a continuous round.
    const QPointF outerA = polar(center, outerRadius, outerStart);
    const QPointF outerB = polar(center, outerRadius, outerEnd);
    const QPointF innerA = polar(center, innerRadius, innerStart);
    const QPointF innerB = polar(center, innerRadius, innerEnd);

    auto towards = [](const QPointF& from, const QPointF& to, qreal distance) {
        const QPointF delta = to - from;
        const qreal length = std::hypot(delta.x(), delta.y());
        return length > 0 ? from + delta * (std::min(distance, length / 2) / length) : from;
    };

    path.moveTo(towards(outerA, innerA, corner));
    path.quadTo(outerA, polar(center, outerRadius, outerStart + cornerOuter));
    path.arcTo(circle(center, outerRadius), qtAngle(outerStart + cornerOuter),
               -(outerEnd - outerStart - 2 * cornerOuter));
    path.quadTo(outerB, towards(outerB, innerB, corner));
    if (innerVanishes) {
        path.lineTo(innerB);
    } else {
        path.lineTo(towards(innerB, outerB, innerCornerRadius));
        path.quadTo(innerB, polar(center, innerRadius, innerEnd - cornerInner));
        path.arcTo(circle(center, innerRadius), qtAngle(innerEnd - cornerInner),
                   innerEnd - innerStart - 2 * cornerInner);
        path.quadTo(innerA, towards(innerA, outerA, innerCornerRadius));
    }
    path.closeSubpath();
    return path;
}
