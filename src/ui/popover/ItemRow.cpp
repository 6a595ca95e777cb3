// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ItemRow.h"

#include "AccessibleParts.h"
#include "DurationText.h"
#include "ItemIcon.h"
#include "Theme.h"

#include <QAccessible>
#include <QEvent>
#include <QPainter>

namespace {

constexpr qreal focusWidth = 2;

} // namespace

ItemRow::ItemRow(Icons& icons, QWidget* parent) : QWidget(parent), m_icons(icons)
{
    setFont(Theme::font(TextStyle::body));
    // The list decides which row Tab reaches; the arrows move between rows.
    setFocusPolicy(Qt::NoFocus);
    AccessibleParts::install();
    setProperty(AccessibleParts::roleProperty, QAccessible::ListItem);
}

void ItemRow::setItem(const UsageItem& item, const std::optional<AdaptiveColor>& swatch,
                      const std::optional<LimitMark>& limit)
{
    if (item == m_item && swatch == m_swatch && limit == m_limit)
        return;
    if (item.key != m_item.key)
        m_icon = QPixmap();
    m_item = item;
    m_swatch = swatch;
    m_limit = limit;
    m_duration = timeText(item.seconds, limit);
    // The row reads as one element to assistive technology, name and time together.
    setAccessibleName(spokenText(item.name, item.seconds, limit));
    update();
}

QString ItemRow::timeText(double seconds, const std::optional<LimitMark>& limit)
{
    const QString time = DurationText::string(seconds);
    if (!limit)
        return time;
    // One day's time reads against the limit itself; a period's sum would not, so it counts the days over instead.
    if (limit->days <= 1)
        //: A row's time against its daily limit, both kept as short: "1h 32m of 1h"
        return tr("%1 of %2").arg(time, DurationText::string(limit->limitSeconds));
    if (limit->daysOver > 0)
        //: A row's time over several days, then on how many of them it passed the item's daily limit
        return tr("%1, %n day(s) over", nullptr, limit->daysOver).arg(time);
    return time;
}

QString ItemRow::spokenText(const QString& name, double seconds, const std::optional<LimitMark>& limit)
{
    const QString time = DurationText::spoken(seconds);
    if (!limit)
        //: A row as a screen reader names it: the app's or website's name, then its time spoken in words
        return tr("%1, %2").arg(name, time);
    const QString limitTime = DurationText::spoken(limit->limitSeconds);
    if (limit->days <= 1 && limit->daysOver > 0)
        //: A row for a screen reader: name, time, then the daily limit the time has passed
        return tr("%1, %2, over its daily limit of %3").arg(name, time, limitTime);
    if (limit->days <= 1)
        //: A row for a screen reader: name, time, then the item's daily limit
        return tr("%1, %2 of its daily limit of %3").arg(name, time, limitTime);
    if (limit->daysOver > 0)
        //: A row for a screen reader: name, time over several days, the daily limit and on how many days it passed it
        return tr("%1, %2, over its daily limit of %3 on %n day(s)", nullptr, limit->daysOver)
            .arg(name, time, limitTime);
    //: A row for a screen reader: name, time over several days, then the daily limit it kept to on each of them
    return tr("%1, %2, within its daily limit of %3 every day").arg(name, time, limitTime);
}

void ItemRow::setHovered(bool hovered)
{
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    update();
}

void ItemRow::reloadIcon()
{
    m_icon = QPixmap();
    update();
}

QSize ItemRow::sizeHint() const
{
    return {200, 32};
}

void ItemRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = rect();
    if (m_hovered || hasFocus())
        Theme::fillHoverBackground(painter, bounds, palette(), cornerRadius);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), focusWidth));
        painter.setBrush(Qt::NoBrush);
        const qreal inset = focusWidth / 2;
        painter.drawRoundedRect(bounds.adjusted(inset, inset, -inset, -inset), cornerRadius, cornerRadius);
    }

    qreal x = padding;
    const qreal middle = bounds.center().y();
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_swatch ? m_swatch->resolved(palette()) : Palette::other(palette()));
    painter.drawEllipse(QRectF(x, middle - swatchSize / 2.0, swatchSize, swatchSize));
    x += swatchSize + spacing;

    if (m_icon.isNull() || m_icon.devicePixelRatio() != devicePixelRatioF())
        m_icon = ItemIcon::render(m_icons, m_item.key, palette(), devicePixelRatioF());
    painter.drawPixmap(QPointF(x, middle - ItemIcon::frame / 2.0), m_icon);
    x += ItemIcon::frame + spacing;

    const QFontMetricsF metrics(font());
    const QSizeF durationSize = Theme::monospacedDigitsSize(font(), m_duration);
    const qreal durationLeft = bounds.right() - padding - durationSize.width();
    const qreal baseline = middle + (metrics.ascent() - metrics.descent()) / 2;
    painter.setFont(font());
    painter.setPen(Theme::secondary(palette()));
    Theme::drawMonospacedDigits(painter, QPointF(durationLeft, baseline), font(), m_duration);

    const qreal nameWidth = durationLeft - spacing - x;
    if (nameWidth > 0) {
        painter.setPen(Theme::primary(palette()));
        painter.drawText(QPointF(x, baseline), metrics.elidedText(m_item.name, Qt::ElideMiddle, nameWidth));
    }
}

void ItemRow::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void ItemRow::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void ItemRow::changeEvent(QEvent* event)
{
    // The globe and the swatch follow the light or dark palette.
    if (event->type() == QEvent::PaletteChange)
        m_icon = QPixmap();
    QWidget::changeEvent(event);
}
