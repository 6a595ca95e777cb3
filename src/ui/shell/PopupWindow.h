#pragma once

#include "PopoverPanel.h"

#include <QRect>

// The window that drops from the tray item, like a menu: frameless, closed by a click outside or Escape.
class PopupWindow : public PopoverPanel
{
    Q_OBJECT
public:
    // Takes the content widget as its only child; `composites` as for the panel.
    explicit PopupWindow(QWidget* content, std::function<bool()> composites = {});

    // Shows the window under the tray item's area (or above it, when the tray is at the bottom), or at
    // the top right of the screen when the tray does not say where it is. The panel, not its shadow, keeps
    // the distance to the tray item and the screen's edges.
    void popUp(const QRect& anchor);
    // Where the panel goes for an anchor on a screen with the given available area.
    static QPoint placement(const QRect& anchor, const QSize& size, const QRect& available);

signals:
    void closed();

protected:
    void hideEvent(QHideEvent* event) override;
};
