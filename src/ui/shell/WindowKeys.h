// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// The keys every window of the program answers, watched on its top-level widget: Escape and Ctrl+W close the
// window, and Return or Enter presses the focused button (Qt presses it only in dialogs) rather than whatever the
// window does by default. A control that uses one of these keys itself takes it first.
class WindowKeys : public QObject
{
    Q_OBJECT
public:
    // Watches `window`, whose child it becomes.
    static void install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
