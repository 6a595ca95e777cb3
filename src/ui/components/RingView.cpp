// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RingView.h"

#include "DurationText.h"
#include "PointerTracker.h"
#include "Sector.h"
#include "Theme.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <cmath>
#include <numbers>

namespace {

constexpr RingView::SectorStyle resting{0.77, 0.97, 1.0};
constexpr RingView::SectorStyle raised{0.75, 1.0, 1.0};
constexpr RingView::SectorStyle dimmed{0.77, 0.97, 0.3};

constexpr double holeRatio = 0.7;     // the pointer is in the hole below this share of the radius
constexpr double outsideRatio = 1.04; // and outside beyond this one
constexpr qreal angularInset = 1.5;
constexpr qreal cornerRadius = 4;
constexpr qreal outlineWidth = 0.1;   // of the diameter
constexpr qreal outlineInset = 0.015; // of the diameter
constexpr qreal labelWidth = 0.66;    // of the diameter
constexpr qreal valueSize = 0.15;     // of the diameter
constexpr qreal labelSpacing = 1;
constexpr qreal focusWidth = 2;
constexpr qreal hatchSpacing = 4.5; // between the stripes over a slice's time past its limit
constexpr qreal hatchWidth = 1.5;
constexpr SpringParameters emphasisSpring{0.25, 0.85};

} // namespace

RingView::RingView(QWidget* parent)
    : QWidget(parent), m_springs([this](double seconds) { return stepSprings(seconds); }, this),
      m_value(emphasisSpring), m_tracker(new PointerTracker(this))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    AccessibleParts::install();
    setAccessibleName(tr("Time by app and website"));
    connect(m_tracker, &PointerTracker::moved, this, &RingView::pointerMoved);
    connect(&m_springs, &SpringDriver::advanced, this, qOverload<>(&QWidget::update));
    connect(&m_value, &RollingText::advanced, this, qOverload<>(&QWidget::update));
    centerChanged(false);
}

void RingView::setBreakdown(const Breakdown& breakdown)
{
    if (breakdown == m_breakdown)
        return;
    m_breakdown = breakdown;
    m_styles.clear();
    // The pointer has not moved but the slices under it have: map its position again.
    const std::optional<QPointF> location = m_tracker->location();
    setChartAngle(location ? ringValue(*location - ringOrigin()) : std::nullopt, true);
    // New data shows at once; only a change of emphasis animates.
    emphasisChanged(false);
    centerChanged(false);
    update();
    AccessibleParts::announceNewParts(this);
}

void RingView::setImposedFocus(const std::optional<Focus>& focus)
{
    if (focus == m_focus)
        return;
    m_focus = focus;
    emphasisChanged(true);
    centerChanged(true);
    update();
}

void RingView::setDiameter(qreal diameter)
{
    diameter = std::max<qreal>(diameter, 0);
    if (diameter == m_diameter)
        return;
    m_diameter = diameter;
    updateGeometry();
    update();
}

QSize RingView::sizeHint() const
{
    const int side = qCeil(m_diameter);
    return {side, side};
}

QSize RingView::minimumSizeHint() const
{
    return sizeHint();
}

QPointF RingView::ringOrigin() const
{
    return {(width() - m_diameter) / 2, (height() - m_diameter) / 2};
}

std::optional<double> RingView::ringValue(const QPointF& point) const
{
    const double r = m_diameter / 2;
    const double dx = point.x() - r;
    const double dy = point.y() - r;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (!(r > 0) || distance < holeRatio * r || distance > outsideRatio * r)
        return std::nullopt;
    double fraction = std::atan2(dx, -dy) / (2 * std::numbers::pi);
    if (fraction < 0)
        fraction += 1;
    const double total = m_breakdown.slicesTotal();
    if (!(total > 0))
        return std::nullopt;
    return fraction * total;
}

std::optional<Slice> RingView::pointedSlice() const
{
    if (!m_chartAngle)
        return std::nullopt;
    double sum = 0;
    for (const Slice& slice : m_breakdown.slices) {
        sum += slice.seconds;
        if (*m_chartAngle <= sum)
            return slice;
    }
    return std::nullopt;
}

std::optional<Slice> RingView::emphasised() const
{
    if (!m_focus)
        return pointedSlice();
    const Slice* slice = nullptr;
    if (m_focus->kind == Focus::Kind::item)
        slice = m_breakdown.slice(Slice::idOf(m_focus->key));
    if (!slice)
        slice = m_breakdown.slice(Slice::otherId);
    return slice ? std::optional<Slice>(*slice) : std::nullopt;
}

RingView::SectorStyle RingView::targetStyle(const QString& sliceId) const
{
    if (!m_emphasisedId)
        return resting;
    return sliceId == *m_emphasisedId ? raised : dimmed;
}

RingView::CenterLabel RingView::centerLabel() const
{
    if (m_focus && m_focus->kind == Focus::Kind::item) {
        for (const UsageItem& item : m_breakdown.summary.items) {
            if (item.key == m_focus->key)
                return {item.seconds, item.name};
        }
    }
    if (const std::optional<Slice> slice = emphasised())
        return {slice->seconds, slice->name};
    const double total = m_breakdown.summary.total;
    //: Under the time in the ring's centre, which is narrow
    return {total, total > 0 ? tr("Total") : tr("No activity")};
}

bool RingView::isAnimating() const
{
    return m_springs.isRunning();
}

QString RingView::partName(int index) const
{
    const Slice& slice = m_breakdown.slices.at(index);
    if (slice.overSeconds > 0)
        //: A slice as a screen reader names it: the app's or website's name, then its time spoken in words
        return tr("%1, %2, over its daily limit").arg(slice.name, DurationText::spoken(slice.seconds));
    //: A slice as a screen reader names it: the app's or website's name, then its time spoken in words
    return tr("%1, %2").arg(slice.name, DurationText::spoken(slice.seconds));
}

Sector RingView::sectorOf(int index) const
{
    const double total = m_breakdown.slicesTotal();
    double before = 0;
    for (int i = 0; i < index; ++i)
        before += m_breakdown.slices[i].seconds;
    const double after = before + m_breakdown.slices[index].seconds;
    const qreal r = m_diameter / 2;
    const Animated style = m_styles.value(m_breakdown.slices[index].id);
    return Sector{QPointF(r, r),       style.inner.value * r, style.outer.value * r, before / total * 360,
                  after / total * 360, angularInset,          cornerRadius};
}

QRect RingView::partRect(int index) const
{
    return sectorOf(index).path().boundingRect().translated(ringOrigin()).toAlignedRect();
}

int RingView::currentPart() const
{
    for (int i = 0; i < partCount(); ++i)
        if (m_breakdown.slices[i].id == m_pointedId)
            return i;
    return -1;
}

void RingView::pointAtSlice(int index)
{
    double before = 0;
    for (int i = 0; i < index; ++i)
        before += m_breakdown.slices[i].seconds;
    setChartAngle(before + m_breakdown.slices[index].seconds / 2, false);
    AccessibleParts::announceCurrent(this, index);
}

void RingView::keyPressEvent(QKeyEvent* event)
{
    const int last = partCount() - 1;
    const int current = currentPart();
    int next = -1;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        next = current < 0 ? 0 : std::min(current + 1, last);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        next = current < 0 ? last : std::max(current - 1, 0);
        break;
    case Qt::Key_Home:
        next = 0;
        break;
    case Qt::Key_End:
        next = last;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (next >= 0)
        pointAtSlice(next);
    event->accept();
}

void RingView::focusInEvent(QFocusEvent* event)
{
    // Arriving by Tab shows where the arrows start; a click or a window opening changes nothing.
    const bool tabbed = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tabbed && currentPart() < 0 && partCount() > 0)
        pointAtSlice(0);
    update();
    QWidget::focusInEvent(event);
}

void RingView::focusOutEvent(QFocusEvent* event)
{
    update();
    // What the keyboard pointed at goes with the focus; the pointer's place, if any, counts again. Not when
    // the window loses the focus (a menu, another window, or the window closing as its owner goes away).
    if (!AccessibleParts::focusLeavesWindow(event->reason()))
        pointerMoved(m_tracker->location());
    QWidget::focusOutEvent(event);
}

void RingView::pointerMoved(const std::optional<QPointF>& location)
{
    setChartAngle(location ? ringValue(*location - ringOrigin()) : std::nullopt, false);
}

void RingView::setChartAngle(const std::optional<double>& angle, bool force)
{
    if (angle == m_chartAngle && !force)
        return;
    m_chartAngle = angle;

    const std::optional<Slice> pointed = pointedSlice();
    const std::optional<QString> id = pointed ? std::optional<QString>(pointed->id) : std::nullopt;
    if (id == m_pointedId)
        return;
    m_pointedId = id;
    emphasisChanged(true);
    centerChanged(true);
    update();

    // Tell the owner which item the pointer designates, not every movement.
    if (!id) {
        emit hovered(std::nullopt);
        return;
    }
    for (const UsageItem& item : m_breakdown.summary.items) {
        if (Slice::idOf(item.key) == *id) {
            emit hovered(Focus::item(item.key));
            return;
        }
    }
    emit hovered(Focus::other());
}

void RingView::emphasisChanged(bool animated)
{
    const std::optional<Slice> slice = emphasised();
    const std::optional<QString> id = slice ? std::optional<QString>(slice->id) : std::nullopt;
    const bool changed = id != m_emphasisedId;
    m_emphasisedId = id;

    for (const Slice& each : m_breakdown.slices) {
        const SectorStyle target = targetStyle(each.id);
        const bool known = m_styles.contains(each.id);
        Animated& style = m_styles[each.id];
        if (!animated || !known) {
            style.inner.snap(target.inner);
            style.outer.snap(target.outer);
            style.opacity.snap(target.opacity);
        } else {
            style.inner.target = target.inner;
            style.outer.target = target.outer;
            style.opacity.target = target.opacity;
        }
    }
    if (animated && changed)
        m_springs.start();
    else if (!animated)
        m_springs.stop();
}

bool RingView::stepSprings(double seconds)
{
    bool settled = true;
    for (Animated& style : m_styles) {
        for (SpringValue* value : {&style.inner, &style.outer, &style.opacity}) {
            value->advance(seconds, emphasisSpring);
            settled = settled && value->isSettled();
        }
    }
    return settled;
}

void RingView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(ringOrigin());
    paintRing(painter);
    paintCenter(painter);
    if (hasFocus()) {
        // The focus shows as a circle just inside the hole, clear of the slices and the label.
        const qreal r = m_diameter / 2;
        painter.setPen(QPen(palette().color(QPalette::Highlight), focusWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(r, r), holeRatio * r - focusWidth, holeRatio * r - focusWidth);
    }
}

void RingView::paintRing(QPainter& painter)
{
    const qreal r = m_diameter / 2;
    const QPointF center(r, r);
    if (m_breakdown.slices.isEmpty()) {
        // The outline covers exactly the band where slices rest.
        const qreal width = outlineWidth * m_diameter;
        const qreal radius = r - outlineInset * m_diameter - width / 2;
        painter.setPen(QPen(Palette::other(palette()), width));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(center, radius, radius);
        return;
    }

    const double total = m_breakdown.slicesTotal();
    if (!(total > 0))
        return;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < partCount(); ++i) {
        const Slice& slice = m_breakdown.slices[i];
        QColor color = slice.color.resolved(palette());
        color.setAlphaF(color.alphaF() * std::clamp(m_styles.value(slice.id).opacity.value, 0.0, 1.0));
        const Sector sector = sectorOf(i);
        painter.fillPath(sector.path(), color);
        if (slice.overSeconds > 0)
            paintPastLimit(painter, sector, sector.endAngle - slice.overSeconds / total * 360);
    }
}

void RingView::paintPastLimit(QPainter& painter, const Sector& sector, qreal limitAngle)
{
    // Stripes in the background's colour cut the part past the limit, so it reads without telling colours apart.
    const qreal reach = sector.outerRadius * 1.5;
    QPainterPath wedge;
    wedge.moveTo(sector.center);
    wedge.arcTo(QRectF(sector.center - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)), 90 - limitAngle,
                -(sector.endAngle - limitAngle));
    wedge.closeSubpath();
    painter.save();
    painter.setClipPath(sector.path().intersected(wedge));
    painter.setPen(QPen(palette().color(QPalette::Window), hatchWidth));
    const qreal side = m_diameter;
    for (qreal x = -side; x < side; x += hatchSpacing)
        painter.drawLine(QPointF(x, 0), QPointF(x + side, side));
    painter.restore();
}

void RingView::paintCenter(QPainter& painter)
{
    const CenterLabel label = centerLabel();
    const qreal width = labelWidth * m_diameter;
    const qreal left = (m_diameter - width) / 2;

    // The value line is one line; it shrinks to fit. English durations need at most three quarters of its size;
    // a language with longer units ("128 h 5 min") may need less, and is never cut off.
    const QString& value = m_value.text();
    QFont valueFont = Theme::systemFont(valueSize * m_diameter, QFont::DemiBold);
    const QSizeF natural = Theme::monospacedDigitsSize(valueFont, value);
    if (natural.width() > width && natural.width() > 0) {
        valueFont = Theme::systemFont(valueSize * m_diameter * width / natural.width(), QFont::DemiBold);
    }
    const QFont nameFont = Theme::font(TextStyle::callout);
    const QFontMetricsF valueMetrics(valueFont);
    const QFontMetricsF nameMetrics(nameFont);
    const qreal height = valueMetrics.height() + labelSpacing + nameMetrics.height();
    const qreal top = (m_diameter - height) / 2;

    painter.save();
    painter.setClipRect(QRectF(left, 0, width, m_diameter));
    painter.setPen(Theme::primary(palette()));
    m_value.draw(painter, QPointF(m_diameter / 2, top + valueMetrics.ascent()), valueFont);

    const QString name = nameMetrics.elidedText(label.name, Qt::ElideMiddle, width);
    painter.setFont(nameFont);
    painter.setPen(Theme::secondary(palette()));
    painter.drawText(QRectF(left, top + valueMetrics.height() + labelSpacing, width, nameMetrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, name);
    painter.restore();
}

void RingView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

void RingView::centerChanged(bool animated)
{
    const CenterLabel label = centerLabel();
    const QString value = DurationText::string(label.seconds);
    m_value.setText(value, animated);
    //: What the ring's centre shows, for a screen reader: a name ("Total" or an item's), then a time ("1h 32m")
    setAccessibleDescription(tr("%1, %2", "ring centre").arg(label.name, value));
}
