// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SegmentedControl.h"

#include "FocusRing.h"
#include "SegmentedControlAccessible.h"
#include "Theme.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int titlePadding = 12; // on each side of a title
constexpr qreal plateInset = 2;
constexpr int titleMargin = 4; // above and below a title

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

} // namespace

SegmentedControl::SegmentedControl(const QList<Segment>& segments, int segmentWidth, QWidget* parent)
    : QWidget(parent), m_segments(segments), m_minimumSegmentWidth(segmentWidth)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::TabFocus);
    setFont(Theme::font(TextStyle::body));
    static const bool accessible = (QAccessible::installFactory(SegmentedControlAccessible::factory), true);
    Q_UNUSED(accessible);
}

qsizetype SegmentedControl::indexOf(int id) const
{
    for (qsizetype i = 0; i < m_segments.size(); ++i)
        if (m_segments[i].id == id)
            return i;
    return -1;
}

void SegmentedControl::setCurrentId(int id)
{
    const qsizetype index = indexOf(id);
    if (index == m_current)
        return;
    m_current = index;
    announceChoice();
    update();
}

void SegmentedControl::chooseId(int id)
{
    choose(indexOf(id));
}

void SegmentedControl::announceChoice()
{
    if (m_current < 0 || !QAccessible::isActive())
        return;
    QAccessible::State checked;
    checked.checked = true;
    QAccessibleStateChangeEvent change(this, checked);
    change.setChild(int(m_current));
    QAccessible::updateAccessibility(&change);
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(int(m_current));
        QAccessible::updateAccessibility(&focus);
    }
}

std::optional<int> SegmentedControl::currentId() const
{
    return m_current >= 0 ? std::optional(m_segments[m_current].id) : std::nullopt;
}

int SegmentedControl::trackHeight() const
{
    return std::max(barHeight, fontMetrics().height() + 2 * titleMargin); // grows with a larger desktop font
}

int SegmentedControl::segmentWidth() const
{
    const QFontMetrics metrics(font());
    int width = m_minimumSegmentWidth;
    for (const Segment& segment : m_segments)
        width = std::max(width, metrics.horizontalAdvance(segment.title) + 2 * titlePadding);
    return width;
}

QRect SegmentedControl::segmentRect(int id) const
{
    for (qsizetype i = 0; i < m_segments.size(); ++i)
        if (m_segments[i].id == id)
            return QRect(int(i) * segmentWidth(), 0, segmentWidth(), trackHeight());
    return {};
}

QString SegmentedControl::title(int id) const
{
    for (const Segment& segment : m_segments)
        if (segment.id == id)
            return segment.title;
    return {};
}

QSize SegmentedControl::sizeHint() const
{
    return {int(m_segments.size()) * segmentWidth(), trackHeight()};
}

QSize SegmentedControl::minimumSizeHint() const
{
    return sizeHint();
}

QColor SegmentedControl::trackColor(const QPalette& palette)
{
    return Theme::primary(palette, isDark(palette) ? 0.1 : 0.06);
}

QColor SegmentedControl::plateColor(const QPalette& palette)
{
    // Light: the plain base colour on the grey track. Dark: a grey clearly lighter than the track.
    if (!isDark(palette))
        return palette.color(QPalette::Base);
    const QColor window = palette.color(QPalette::Window);
    const QColor text = Theme::primary(palette);
    const qreal mix = 0.3;
    return QColor::fromRgbF(window.redF() + (text.redF() - window.redF()) * mix,
                            window.greenF() + (text.greenF() - window.greenF()) * mix,
                            window.blueF() + (text.blueF() - window.blueF()) * mix);
}

void SegmentedControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colors = palette();
    const QRectF track(0, 0, sizeHint().width(), trackHeight());
    QPainterPath trackPath;
    trackPath.addRoundedRect(track, cornerRadius, cornerRadius);
    painter.fillPath(trackPath, trackColor(colors));
    painter.setPen(QPen(Theme::outline(colors), 1));
    painter.drawRoundedRect(track.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
    painter.setPen(Qt::NoPen);

    const int width = segmentWidth();
    // Lines only between two segments that are both unchosen, as the plate covers its own edges.
    for (qsizetype i = 1; i < m_segments.size(); ++i) {
        if (i == m_current || i - 1 == m_current)
            continue;
        painter.fillRect(QRectF(i * width - 0.5, 5, 1, trackHeight() - 10), Theme::primary(colors, 0.15));
    }
    if (m_current >= 0) {
        const QRectF plate = QRectF(m_current * width, 0, width, trackHeight())
                                 .adjusted(plateInset, plateInset, -plateInset, -plateInset);
        QPainterPath platePath;
        platePath.addRoundedRect(plate, cornerRadius - plateInset, cornerRadius - plateInset);
        if (!isDark(colors)) // a hairline edge lifts the white plate off a light track
            painter.fillPath(platePath.translated(0, 0.5), Theme::primary(colors, 0.12));
        painter.fillPath(platePath, plateColor(colors));
    }
    painter.setPen(Theme::primary(colors));
    for (qsizetype i = 0; i < m_segments.size(); ++i)
        painter.drawText(QRect(int(i) * width, 0, width, trackHeight()), Qt::AlignCenter, m_segments[i].title);
    if (hasFocus())
        FocusRing::draw(painter, track, colors, cornerRadius);
}

void SegmentedControl::choose(qsizetype index)
{
    if (index < 0 || index >= m_segments.size() || index == m_current)
        return;
    m_current = index;
    announceChoice();
    update();
    emit idChosen(m_segments[index].id);
}

void SegmentedControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int width = segmentWidth();
    if (width > 0 && event->position().x() >= 0 && event->position().y() >= 0 && event->position().y() < trackHeight())
        choose(qsizetype(event->position().x()) / width);
}

void SegmentedControl::keyPressEvent(QKeyEvent* event)
{
    const bool reversed = layoutDirection() == Qt::RightToLeft;
    if (event->key() == Qt::Key_Left)
        choose(std::max<qsizetype>(0, m_current + (reversed ? 1 : -1)));
    else if (event->key() == Qt::Key_Right)
        choose(m_current + (reversed ? -1 : 1));
    else
        QWidget::keyPressEvent(event);
}

void SegmentedControl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    announceChoice();
    update();
}

void SegmentedControl::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void SegmentedControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}
