// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Spring.h"

#include <QFont>
#include <QObject>
#include <QPointF>
#include <QString>

class QPainter;

// A number text whose changes roll: the characters that differ move up and fade out while their
// replacements come in from below; digits keep one width, so the rest stays put.
class RollingText : public QObject
{
    Q_OBJECT
public:
    explicit RollingText(SpringParameters spring = {}, QObject* parent = nullptr);

    // Shows a new text, rolling to it when animated, at once otherwise.
    void setText(const QString& text, bool animated);
    const QString& text() const { return m_text; }
    bool isAnimating() const { return m_driver.isRunning(); }

    // Draws the text centred on `baselineCenter`, with the painter's pen.
    void draw(QPainter& painter, const QPointF& baselineCenter, const QFont& font) const;

signals:
    // A frame of the roll has passed; the owner repaints.
    void advanced();

private:
    bool step(double seconds);

    SpringParameters m_spring;
    QString m_text;
    QString m_previous;
    SpringValue m_progress; // 0: the previous text, 1: the new one
    SpringDriver m_driver;
};
