// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>

class QPainter;

// The small monochrome ring of the tray: today's largest shares as arcs, drawn as a template image
// (black with alpha) that the label tints for the panel.
namespace TrayIcon {

struct Arc
{
    double share = 0;    // fraction of the full circle
    double strength = 1; // opacity, 0…1

    bool operator==(const Arc&) const = default;
};

struct Layout
{
    QList<Arc> arcs; // drawing order, from 12 o'clock clockwise

    bool operator==(const Layout&) const = default;
};

// One arc as drawn: its index in the layout and its ends in degrees, counter-clockwise positive, 90 = 12 o'clock.
struct Span
{
    int arc = 0;
    double start = 0;
    double end = 0; // less than start: the arc runs clockwise from start to end

    bool operator==(const Span&) const = default;
};

constexpr qreal side = 17; // points
constexpr qreal outerRadius = 7.75;
constexpr qreal innerRadius = 6.65;
constexpr double gap = 7;                             // degrees cut from each end of an arc
constexpr double strokeAllowance = 5.968310365946075; // half the line width seen from the middle radius, in degrees
constexpr qreal lineWidth = 1.5;

// Three solid arcs, shown when there is nothing to show.
const Layout& resting();
// Arcs of the first `count` shares (percent) of at least 5 %, a faint remainder of at least 5 %, normalised.
Layout layout(const QList<int>& shares, int count);
// The arcs long enough to show, with their drawn ends; shorter arcs are skipped but keep their room.
QList<Span> visibleSpans(const Layout& layout);
// Draws the layout into the side × side square at `origin`; false (drawing nothing) without an active painter.
bool draw(QPainter* painter, const Layout& layout, const QPointF& origin = {});
// The side × side image of the shares at the pixel ratio.
QImage image(const QList<int>& shares, int count, qreal devicePixelRatio = 1);

// The last image one owner made, returned again for the same shares, count and ratio. The tray and the
// settings preview each keep their own, so they do not evict each other's image. Main thread only.
class ImageCache
{
public:
    QImage image(const QList<int>& shares, int count, qreal devicePixelRatio = 1);

private:
    QList<int> m_shares;
    int m_count = -1;
    qreal m_devicePixelRatio = 0;
    QImage m_image;
};

} // namespace TrayIcon
