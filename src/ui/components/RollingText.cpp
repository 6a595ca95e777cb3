// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RollingText.h"

#include "Theme.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// The left end of each character when the text's digits share one width, and the whole width.
QList<qreal> offsets(const QFont& font, const QString& text, qreal* width)
{
    QList<qreal> result;
    qreal x = 0;
    for (QChar character : text) {
        result.append(x);
        x += Theme::monospacedDigitsSize(font, QString(character)).width();
    }
    *width = x;
    return result;
}

} // namespace

RollingText::RollingText(SpringParameters spring, QObject* parent)
    : QObject(parent), m_spring(spring), m_driver([this](double seconds) { return step(seconds); }, this)
{
    m_progress.snap(1);
    connect(&m_driver, &SpringDriver::advanced, this, &RollingText::advanced);
}

void RollingText::setText(const QString& text, bool animated)
{
    if (text == m_text) {
        if (!animated) {
            m_progress.snap(1);
            m_driver.stop();
        }
        return;
    }
    m_previous = m_text;
    m_text = text;
    if (!animated || m_previous.isEmpty()) {
        m_progress.snap(1);
        m_driver.stop();
        return;
    }
    m_progress.snap(0);
    m_progress.target = 1;
    m_driver.start();
}

bool RollingText::step(double seconds)
{
    m_progress.advance(seconds, m_spring);
    return m_progress.isSettled();
}

void RollingText::draw(QPainter& painter, const QPointF& baselineCenter, const QFont& font) const
{
    const double progress = m_previous.isEmpty() ? 1.0 : std::clamp(m_progress.value, 0.0, 1.0);
    // Characters in the same place of two texts of the same length stay; everything else rolls.
    const bool sameShape = m_previous.size() == m_text.size();
    const qreal rise = QFontMetricsF(font).ascent() * 0.6;
    const qreal opacity = painter.opacity();
    auto drawText = [&](const QString& text, bool incoming) {
        qreal width = 0;
        const QList<qreal> lefts = offsets(font, text, &width);
        const QString& other = incoming ? m_previous : m_text;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool stays = sameShape && other[i] == text[i];
            if (stays && !incoming)
                continue; // drawn once, with the new text
            qreal shift = 0;
            qreal alpha = 1;
            if (!stays) {
                shift = incoming ? (1 - progress) * rise : -progress * rise;
                alpha = incoming ? progress : 1 - progress;
            }
            painter.setOpacity(opacity * alpha);
            const QPointF origin(baselineCenter.x() - width / 2 + lefts[i], baselineCenter.y() + shift);
            Theme::drawMonospacedDigits(painter, origin, font, QString(text[i]));
        }
    };
    if (progress < 1)
        drawText(m_previous, false);
    drawText(m_text, true);
    painter.setOpacity(opacity);
}
