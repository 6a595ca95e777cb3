// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TrackerFixture.h"
#include "UpdateChecker.h"

#include <QCursor>
#include <QTest>
#include <QWidget>
#include <QWindow>

// The models a popover reads: a tracker that samples only when told, over a store that already holds today's
// totals (start()), and an update checker that never reaches out.
struct PopoverFixture : TrackerFixture
{
    UpdateChecker updates{QUrl(QStringLiteral("http://127.0.0.1:9/version.json")), QStringLiteral("1.0"),
                          std::chrono::milliseconds(500)};
};

// A right click as the desktop delivers it, through the window: press, release and the context-menu request.
inline void rightClick(QWidget* widget, const QPoint& position)
{
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, widget->mapTo(window, position));
}

// Moves the pointer off every window, so a window shown next does not start with a row under it.
inline void parkPointer()
{
    QCursor::setPos(-1000, -1000);
}

// n items named "Item 1", "Item 2", … with the given seconds each, most used first.
inline QList<std::pair<QString, double>> items(const QList<double>& seconds)
{
    QList<std::pair<QString, double>> usage;
    for (qsizetype i = 0; i < seconds.size(); ++i)
        usage.append({QStringLiteral("Item %1").arg(i + 1), seconds[i]});
    return usage;
}
