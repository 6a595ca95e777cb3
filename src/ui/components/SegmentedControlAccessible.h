// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// A segmented control to assistive technology: a group of radio buttons, one per segment, the chosen one
// checked; pressing one chooses it as a click does.
namespace SegmentedControlAccessible {

// The factory Qt asks for an object's accessible interface.
QAccessibleInterface* factory(const QString& className, QObject* object);

} // namespace SegmentedControlAccessible
