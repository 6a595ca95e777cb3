// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PopoverPanel.h"

#include <QElapsedTimer>
#include <QRect>

// The window that drops from the tray item, like a menu: frameless, closed by a click outside or Escape.
// On X11 a popup that grabs the pointer; on Wayland, where a popup needs a parent window, a tool window
// that closes when it loses the focus.
class PopupWindow : public PopoverPanel
{
    Q_OBJECT
public:
    // Takes the content widget as its only child; `composites` as for the panel.
    explicit PopupWindow(QWidget* content, std::function<bool()> composites = {});

    // Shows the window beside the tray item's area, on the side away from the panel's screen edge (under
    // a tray at the top, above one at the bottom), or at the top right of the screen when the tray does
    // not say where it is. The panel, not its shadow, keeps the distance to the tray item and the
    // screen's edges.
    void popUp(const QRect& anchor);
    // What a click on the tray item does: opens the window, or closes it when it is open.
    void toggle(const QRect& anchor);
    // Where the window should be; on Wayland, where the window system ignores move(), for a compositor's
    // script to put it there.
    QPoint intendedPosition() const { return m_position; }
    // Where the panel goes for an anchor on a screen, kept inside the screen's available area (the
    // screen less its panels). The anchor may lie inside a panel, outside that area.
    static QPoint placement(const QRect& anchor, const QSize& size, const QRect& screen, const QRect& available);

signals:
    void closed();
    void intendedPositionChanged();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void place();

    QRect m_anchor;
    QPoint m_position;
    QElapsedTimer m_lostFocus; // when it last closed for losing the focus
};
