// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>

// A full-width command at the foot of a window, such as "Show History": its title on the left, a rounded
// background while the pointer is over it. Emits clicked() like any button.
class FooterRow : public QAbstractButton
{
    Q_OBJECT
public:
    static constexpr int rowHeight = 28;
    static constexpr int padding = 8;
    static constexpr qreal cornerRadius = 8;

    explicit FooterRow(const QString& title, QWidget* parent = nullptr);

    bool isHovered() const { return m_hovered; }

    QSize sizeHint() const override;

signals:
    void hoveredChanged(bool hovered);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setHovered(bool hovered);

    bool m_hovered = false;
};
