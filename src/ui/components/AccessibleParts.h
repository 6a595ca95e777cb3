// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QString>
#include <Qt>

class QWidget;

// A widget that draws its parts instead of holding child widgets (the ring's slices, the chart's days).
// Assistive technology reads it as a list whose items are those parts, with the current one focused.
class AccessibleParts
{
public:
    // The dynamic property through which a plain widget asks for an accessible role (a QAccessible::Role).
    static constexpr const char* roleProperty = "horavaneAccessibleRole";

    virtual ~AccessibleParts() = default;

    virtual int partCount() const = 0;
    // The part's name as a screen reader says it, for example "www.youtube.com, 1 hour 32 minutes".
    virtual QString partName(int index) const = 0;
    // Where the part is drawn, in the widget's coordinates.
    virtual QRect partRect(int index) const = 0;
    // The part the keyboard or the pointer is on, -1 for none.
    virtual int currentPart() const = 0;
    // Whether the part is the chosen one (a chosen day).
    virtual bool isPartChosen(int) const { return false; }

    // Lets parts widgets and widgets with a role property be read as such; idempotent.
    static void install();
    // Tells assistive technology that the parts changed, so it reads them again.
    static void announceNewParts(QWidget* widget);
    // Tells assistive technology that the keyboard moved to another part of the focused widget.
    static void announceCurrent(QWidget* widget, int index);
    // Whether a focus change takes the focus out of the window rather than to another widget in it.
    static bool focusLeavesWindow(Qt::FocusReason reason)
    {
        return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    }
};
