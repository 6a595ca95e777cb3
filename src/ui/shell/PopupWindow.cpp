// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PopupWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>
#include <iterator>

namespace {

constexpr int gap = 4; // between the tray item and the window
// A click on the tray item that takes the focus from the window arrives just after the window closed for it.
constexpr int clickAfterFocusLossMs = 500;

// A parentless popup on Wayland is an ordinary window all the same, and Qt ignores the focus changes of one, so
// it would stay open on a click elsewhere; a tool window hears that it lost the focus and closes.
Qt::WindowFlags popoverWindowType()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ? Qt::Tool : Qt::Popup;
}

enum class Edge
{
    top,
    bottom,
    left,
    right
};

// The screen edge the tray's panel lies on: the side of the available area the point lies beyond or, for a
// panel that reserves no room, the screen edge nearest to it.
Edge panelEdge(QPoint at, const QRect& screen, const QRect& available)
{
    if (at.y() > available.bottom())
        return Edge::bottom;
    if (at.y() < available.top())
        return Edge::top;
    if (at.x() < available.left())
        return Edge::left;
    if (at.x() > available.right())
        return Edge::right;
    const int distances[] = {at.y() - screen.top(), screen.bottom() - at.y(), at.x() - screen.left(),
                             screen.right() - at.x()};
    return Edge(std::min_element(std::begin(distances), std::end(distances)) - std::begin(distances));
}

} // namespace

PopupWindow::PopupWindow(QWidget* content, std::function<bool()> composites)
    : PopoverPanel(content, popoverWindowType(), std::move(composites))
{
}

QPoint PopupWindow::placement(const QRect& anchor, const QSize& size, const QRect& screen, const QRect& available)
{
    if (!anchor.isValid() || !screen.intersects(anchor))
        return {available.right() + 1 - size.width() - gap, available.top() + gap};
    // Centred on the item, on the side away from the panel.
    int x = anchor.x() + (anchor.width() - size.width()) / 2;
    int y = anchor.y() + (anchor.height() - size.height()) / 2;
    switch (panelEdge(anchor.center(), screen, available)) {
    case Edge::top:
        y = anchor.bottom() + 1 + gap;
        break;
    case Edge::bottom:
        y = anchor.top() - gap - size.height();
        break;
    case Edge::left:
        x = anchor.right() + 1 + gap;
        break;
    case Edge::right:
        x = anchor.left() - gap - size.width();
        break;
    }
    x = std::clamp(x, available.left(), std::max(available.left(), available.right() + 1 - size.width()));
    y = std::clamp(y, available.top(), std::max(available.top(), available.bottom() + 1 - size.height()));
    return {x, y};
}

void PopupWindow::popUp(const QRect& anchor)
{
    m_anchor = anchor;
    updateShape(); // a compositor may have started or stopped since the last time
    adjustSize();
    place();
    show();
    raise();
    activateWindow();
}

void PopupWindow::place()
{
    QScreen* screen = m_anchor.isValid() ? QGuiApplication::screenAt(m_anchor.center()) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect panel = panelRect();
    const QPoint position =
        placement(m_anchor, panel.size(), screen->geometry(), screen->availableGeometry()) - panel.topLeft();
    move(position);
    if (position != m_position) {
        m_position = position;
        emit intendedPositionChanged();
    }
}

void PopupWindow::toggle(const QRect& anchor)
{
    if (isVisible())
        hide(); // as a second click on a menu's title closes the menu
    else if (!m_lostFocus.isValid() || m_lostFocus.elapsed() >= clickAfterFocusLossMs)
        popUp(anchor);
}

void PopupWindow::changeEvent(QEvent* event)
{
    PopoverPanel::changeEvent(event);
    // A popup closes by itself on a click outside; a tool window does when another window takes the focus.
    if (event->type() == QEvent::ActivationChange && windowType() != Qt::Popup && isVisible() && !isActiveWindow()) {
        m_lostFocus.start();
        hide();
    }
}

void PopupWindow::resizeEvent(QResizeEvent* event)
{
    PopoverPanel::resizeEvent(event);
    if (isVisible())
        place(); // content that grows once shown keeps its edge by the tray item
}

void PopupWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        close();
        return;
    }
    PopoverPanel::keyPressEvent(event);
}

void PopupWindow::hideEvent(QHideEvent* event)
{
    PopoverPanel::hideEvent(event);
    emit closed();
}
