// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// Puts the popover at the tray item where a Wayland window cannot place itself: the compositor's scripting or
// IPC moves it there. Kept for as long as the popover may open.
class PopupPlacement : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    // The place where the popover belongs changed: move it there now, where the compositor does not ask.
    virtual void place() {}
};
