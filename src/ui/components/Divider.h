// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// A one-pixel line in the text colour at 0.12, inset by the widget's contents margins; it follows the palette.
class Divider : public QWidget
{
    Q_OBJECT
public:
    static constexpr qreal opacity = 0.12;

    explicit Divider(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
