#include "DigitsLabel.h"

#include "Theme.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

DigitsLabel::DigitsLabel(const QFont& font, QWidget* parent) : QWidget(parent), m_font(font)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void DigitsLabel::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void DigitsLabel::setSecondary(bool secondary)
{
    m_secondary = secondary;
    update();
}

void DigitsLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QSize DigitsLabel::sizeHint() const
{
    const QSizeF size = Theme::monospacedDigitsSize(m_font, m_text);
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
    painter.setPen(m_secondary ? Theme::secondary(palette()) : Theme::primary(palette()));
    const QSizeF size = Theme::monospacedDigitsSize(m_font, m_text);
    const double x = m_alignment.testFlag(Qt::AlignRight) ? width() - size.width() : 0;
    Theme::drawMonospacedDigits(painter, QPointF(x, QFontMetricsF(m_font).ascent()), m_font, m_text);
}
