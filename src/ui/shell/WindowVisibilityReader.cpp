// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowVisibilityReader.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

WindowVisibilityReader::WindowVisibilityReader(QWidget* widget) : QObject(widget), m_widget(widget)
{
    widget->installEventFilter(this);
    watchWindow();
    report();
}

bool WindowVisibilityReader::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::ParentChange:
        watchWindow();
        report();
        break;
    case QEvent::Hide:
    case QEvent::WindowStateChange:
    case QEvent::Expose:
    case QEvent::Close:
        report();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// Exposure is an event of the native window, which exists only once the widget's window is shown.
void WindowVisibilityReader::watchWindow()
{
    QWindow* window = m_widget->window()->windowHandle();
    if (window == m_window)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    if (m_window)
        m_window->installEventFilter(this);
}

void WindowVisibilityReader::report()
{
    const QWidget* top = m_widget->window();
    const bool visible = m_widget->isVisible() && !top->isMinimized() && m_window && m_window->isExposed();
    if (visible == m_visible)
        return;
    m_visible = visible;
    emit changed(visible);
}
