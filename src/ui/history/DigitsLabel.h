// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RollingText.h"

#include <QFont>
#include <QWidget>

// A one-line text whose digits all take the same width, so a changing number keeps its place; an
// animated change rolls the digits that differ, counting up.
class DigitsLabel : public QWidget
{
    Q_OBJECT
public:
    explicit DigitsLabel(const QFont& font, QWidget* parent = nullptr);

    // Animated changes roll only while the label is on screen.
    void setText(const QString& text, bool animated = false);
    const QString& text() const { return m_text.text(); }
    bool isRolling() const { return m_text.isAnimating(); }
    // Left or right edge (Qt::AlignLeft or Qt::AlignRight) when the label is wider than its text.
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont m_font;
    RollingText m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft;
};
