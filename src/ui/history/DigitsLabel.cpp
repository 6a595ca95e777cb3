// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DigitsLabel.h"

#include "Theme.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace {

constexpr SpringParameters rollSpring{0.25, 0.85};

} // namespace

DigitsLabel::DigitsLabel(const QFont& font, QWidget* parent) : QWidget(parent), m_font(font), m_text(rollSpring)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(&m_text, &RollingText::advanced, this, qOverload<>(&QWidget::update));
}

void DigitsLabel::setText(const QString& text, bool animated)
{
    if (text == m_text.text())
        return;
    m_text.setText(text, animated && isVisible());
    setAccessibleName(text);
    updateGeometry();
    update();
}

void DigitsLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QSize DigitsLabel::sizeHint() const
{
    const QSizeF size = Theme::monospacedDigitsSize(m_font, m_text.text());
    return QSize(static_cast<int>(std::ceil(size.width())),
                 static_cast<int>(std::ceil(QFontMetricsF(m_font).height())));
}

QSize DigitsLabel::minimumSizeHint() const
{
    return sizeHint();
}

void DigitsLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Theme::primary(palette()));
    const QSizeF size = Theme::monospacedDigitsSize(m_font, m_text.text());
    const double left = m_alignment.testFlag(Qt::AlignRight) ? width() - size.width() : 0;
    m_text.draw(painter, QPointF(left + size.width() / 2, QFontMetricsF(m_font).ascent()), m_font);
}
