// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QList>
#include <QRectF>

// The bar chart's two scales over its plot rectangle: time from left to right, hours from the bottom up.
class ChartScale
{
public:
    ChartScale() = default;
    // Time runs from start to end across the plot; hours from 0 up to a rounded top above maxHours.
    ChartScale(const QRectF& plot, const QDateTime& start, const QDateTime& end, double maxHours);

    const QRectF& plot() const { return m_plot; }
    double topHours() const { return m_top; }
    // About four evenly spaced values from 0 to the top, at a round step.
    const QList<double>& ticks() const { return m_ticks; }

    double x(const QDateTime& moment) const;
    // The moment at a horizontal position; none without a span of time.
    QDateTime date(double x) const;
    double y(double hours) const;
    double hours(double y) const;

    // The step for about `count` intervals up to max: 1, 2, 2.5 or 5 times a power of ten.
    static double niceStep(double max, int count = 4);

private:
    QRectF m_plot;
    QDateTime m_start;
    qint64 m_spanMs = 0;
    double m_top = 1;
    QList<double> m_ticks;
};
