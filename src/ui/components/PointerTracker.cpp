// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PointerTracker.h"

#include <QChildEvent>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

// Whether the widget or one of its ancestors is being destroyed. A window's teardown hides and leaves
// its children, but their owners' slots may already be gone: there is nobody left to tell.
bool isBeingDestroyed(QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (qt_qwidget_data(widget)->in_destructor)
            return true;
    }
    return false;
}

} // namespace

PointerTracker::PointerTracker(QWidget* target) : QObject(target)
{
    watch(target);
}

QWidget* PointerTracker::target() const
{
    return static_cast<QWidget*>(parent());
}

void PointerTracker::watch(QWidget* widget)
{
    // Without mouse tracking, moves without a pressed button are never delivered.
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        watch(child);
}

bool PointerTracker::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* target = this->target();
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !target)
        return false;

    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        // A child taken elsewhere keeps our filter (it may be half destroyed when it leaves); ignore it.
        if (widget != target && !target->isAncestorOf(widget))
            break;
        const QPointF local = static_cast<QSinglePointEvent*>(event)->position();
        const QPointF point = widget == target ? local : local + QPointF(widget->mapTo(target, QPoint(0, 0)));
        if (QRectF(target->rect()).contains(point))
            report(point);
        break;
    }
    case QEvent::Leave:
        if (widget == target)
            report(std::nullopt);
        break;
    case QEvent::Hide:
    case QEvent::ParentChange:
        // Hidden, or taken out of the window it was in: the pointer is no longer over it.
        if (widget == target || !target->isVisible())
            report(std::nullopt);
        break;
    case QEvent::ChildAdded:
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            watch(child);
        break;
    default:
        break;
    }
    return false; // never take anything away from the widgets underneath
}

void PointerTracker::report(const std::optional<QPointF>& location)
{
    // A move that reaches the target through a child arrives twice; report it once.
    if (location == m_location || isBeingDestroyed(target()))
        return;
    m_location = location;
    emit moved(location);
}
