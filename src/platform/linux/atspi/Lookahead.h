// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Accessibility.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QList>
#include <optional>

// Role and children requests sent ahead, on the calling thread's connection, for the elements a
// breadth-first walk visits next: while it looks at one element the applications already answer for
// the following ones, so a walk costs about one round trip per level instead of one per element.
// Requests not taken within a second are dropped unread.
namespace Lookahead {

struct Pending
{
    QDBusPendingCall role;
    QDBusPendingCall children;
};

// The requests sent ahead for the element, if there are fresh ones; they are handed over once.
std::optional<Pending> take(const QDBusConnection& bus, const AccessibleElement& element);

// Sends the requests for the elements, as far as the bounds on requests in flight allow.
void send(const QDBusConnection& bus, const QList<AccessibleElement>& elements, Accessibility::Timeout timeout);

} // namespace Lookahead
