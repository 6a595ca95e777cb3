// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowKeys.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QWidget>

void WindowKeys::install(QWidget* window)
{
    window->installEventFilter(new WindowKeys(window));
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Close) || (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier)) {
        window->close();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        auto* button = qobject_cast<QAbstractButton*>(window->focusWidget());
        // Check boxes and radio buttons take Space; Return on them is the window's, as in any dialog.
        if (button && !qobject_cast<QCheckBox*>(button) && !qobject_cast<QRadioButton*>(button) &&
            button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
