// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FooterRow.h"

#include "FocusRing.h"
#include "PointerTracker.h"
#include "Theme.h"

#include <QPainter>

FooterRow::FooterRow(const QString& title, QWidget* parent) : QAbstractButton(parent)
{
    setText(title);
    setAccessibleName(title);
    setFont(Theme::font(TextStyle::body));
    setFixedHeight(rowHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    const auto* tracker = new PointerTracker(this);
    connect(tracker, &PointerTracker::moved, this,
            [this](const std::optional<QPointF>& location) { setHovered(location.has_value()); });
}

QSize FooterRow::sizeHint() const
{
    const int textWidth = fontMetrics().horizontalAdvance(text());
    return {textWidth + 2 * padding, rowHeight};
}

void FooterRow::setHovered(bool hovered)
{
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    update();
    emit hoveredChanged(hovered);
}

void FooterRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = rect();
    if (m_hovered)
        Theme::fillHoverBackground(painter, bounds, palette(), cornerRadius);
    painter.setFont(font());
    painter.setPen(Theme::primary(palette()));
    const QRectF label = bounds.adjusted(padding, 0, -padding, 0);
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, qRound(label.width())));
    if (hasFocus())
        FocusRing::draw(painter, bounds, palette(), cornerRadius);
}
