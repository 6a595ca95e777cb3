// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppPresence.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

int g_openWindows = 0;
bool g_preview = false;

// Brings forward the most recently listed window that can be a main window.
void activateLastWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QWidget* window = *it;
        if (window->isVisible() && window->isWindow() && !(window->windowFlags() & Qt::Popup) &&
            !(window->windowFlags() & Qt::ToolTip)) {
            window->raise();
            window->activateWindow();
            return;
        }
    }
}

} // namespace

void AppPresence::windowAppeared()
{
    ++g_openWindows;
    if (g_preview)
        return;
    QTimer::singleShot(150, qApp, activateLastWindow);
}

void AppPresence::windowDisappeared()
{
    g_openWindows = std::max(0, g_openWindows - 1);
}

int AppPresence::openWindows()
{
    return g_openWindows;
}

void AppPresence::setPreviewMode(bool preview)
{
    g_preview = preview;
}
