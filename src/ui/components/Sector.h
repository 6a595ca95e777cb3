// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainterPath>
#include <QPointF>

// The outline of one ring sector as a sector chart draws it: an annular wedge with rounded corners.
struct Sector
{
    QPointF center;
    qreal innerRadius = 0;
    qreal outerRadius = 0;
    qreal startAngle = 0;   // degrees clockwise from 12 o'clock
    qreal endAngle = 0;     // degrees clockwise from 12 o'clock, not less than startAngle
    qreal angularInset = 0; // points cut from each side, measured along the arc
    qreal cornerRadius = 0;

    // The path of the wedge, in y-down coordinates; empty when the inset leaves nothing of it.
    QPainterPath path() const;
};
