// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChartScale.h"

#include <cmath>

ChartScale::ChartScale(const QRectF& plot, const QDateTime& start, const QDateTime& end, double maxHours)
    : m_plot(plot), m_start(start), m_spanMs(start.msecsTo(end))
{
    // With nothing to show the axis still reads sensibly, up to an hour.
    const double max = std::isfinite(maxHours) && maxHours > 0 ? maxHours : 1;
    const double step = niceStep(max);
    const double steps = std::ceil(max / step - 1e-9);
    m_top = steps * step;
    for (int i = 0; i <= static_cast<int>(steps); ++i)
        m_ticks.append(i * step);
}

double ChartScale::niceStep(double max, int count)
{
    const double raw = max / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 2.5, 5.0})
        if (factor * power >= raw - 1e-12)
            return factor * power;
    return 10 * power;
}

double ChartScale::x(const QDateTime& moment) const
{
    if (m_spanMs <= 0)
        return m_plot.left();
    return m_plot.left() +
           m_plot.width() * static_cast<double>(m_start.msecsTo(moment)) / static_cast<double>(m_spanMs);
}

QDateTime ChartScale::date(double x) const
{
    if (m_spanMs <= 0 || m_plot.width() <= 0)
        return {};
    const double fraction = (x - m_plot.left()) / m_plot.width();
    return m_start.addMSecs(std::llround(fraction * static_cast<double>(m_spanMs)));
}

double ChartScale::y(double hours) const
{
    return m_plot.bottom() - m_plot.height() * hours / m_top;
}

double ChartScale::hours(double y) const
{
    if (m_plot.height() <= 0)
        return 0;
    return (m_plot.bottom() - y) / m_plot.height() * m_top;
}
