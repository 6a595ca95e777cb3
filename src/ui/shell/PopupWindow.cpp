#include "PopupWindow.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr int gap = 4; // between the tray item and the window

} // namespace

PopupWindow::PopupWindow(QWidget* content, std::function<bool()> composites)
    : PopoverPanel(content, Qt::Popup, std::move(composites))
{
}

QPoint PopupWindow::placement(const QRect& anchor, const QSize& size, const QRect& available)
{
    if (!anchor.isValid() || !available.intersects(anchor))
        return {available.right() + 1 - size.width() - gap, available.top() + gap};
    const bool trayAtBottom = anchor.center().y() > available.center().y();
    int x = anchor.x() + (anchor.width() - size.width()) / 2;
    int y = trayAtBottom ? anchor.top() - gap - size.height() : anchor.bottom() + 1 + gap;
    x = std::clamp(x, available.left(), std::max(available.left(), available.right() + 1 - size.width()));
    y = std::clamp(y, available.top(), std::max(available.top(), available.bottom() + 1 - size.height()));
    return {x, y};
}

void PopupWindow::popUp(const QRect& anchor)
{
    QScreen* screen = anchor.isValid() ? QGuiApplication::screenAt(anchor.center()) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    updateShape(); // a compositor may have started or stopped since the last time
    adjustSize();
    const QRect panel = panelRect();
    move(placement(anchor, panel.size(), screen ? screen->availableGeometry() : QRect()) - panel.topLeft());
    show();
    raise();
    activateWindow();
}

void PopupWindow::hideEvent(QHideEvent* event)
{
    PopoverPanel::hideEvent(event);
    emit closed();
}
