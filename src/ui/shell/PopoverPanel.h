// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <functional>

// The popover's window around its content. Where the desktop composites, a rounded (radius 14), slightly
// translucent panel with a soft shadow drawn in a margin around it; elsewhere a plain square window, since
// without a compositor the see-through corners would show black.
class PopoverPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr qreal cornerRadius = 14;
    static constexpr int shadowMargin = 16; // on every side, room for the shadow
    static constexpr int shadowOffset = 4;  // the light comes from above
    static constexpr qreal panelOpacity = 0.92;

    // Takes the content widget as its only child. `composites` tells whether the desktop composites now; it
    // is asked again by updateShape(). Without it the panel stays square.
    PopoverPanel(QWidget* content, Qt::WindowFlags flags, std::function<bool()> composites = {});

    // Asks whether the desktop composites and shapes the window for the answer.
    void updateShape();
    bool isRounded() const { return m_rounded; }
    // Where the panel lies inside the window: all of it when square, inside the shadow margin when rounded.
    QRect panelRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<bool()> m_composites;
    bool m_rounded = false;
};
