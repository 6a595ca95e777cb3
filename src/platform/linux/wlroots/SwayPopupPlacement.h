// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PopupPlacement.h"

#include <QByteArray>
#include <QPoint>
#include <functional>
#include <memory>

class QLocalSocket;

// Puts Horavane's popover where it belongs on sway, where a Wayland window cannot place itself: over sway's
// IPC socket it hears of each new or renamed window, moves this process's window with the popover's title to
// where the popover should be, and moves it again whenever told that the place changed.
class SwayPopupPlacement final : public PopupPlacement
{
    Q_OBJECT
public:
    // None when no sway IPC socket answers. `position` tells where the window's top left corner should be.
    static std::unique_ptr<SwayPopupPlacement> create(const QString& title, std::function<QPoint()> position);
    ~SwayPopupPlacement() override;

    // Moves the window, if it is there, to where it should be now.
    void place() override;

private:
    SwayPopupPlacement(QLocalSocket* socket, QString title, std::function<QPoint()> position);
    void readMessages();

    QLocalSocket* m_socket;
    QString m_title;
    std::function<QPoint()> m_position;
    QByteArray m_received;
};
