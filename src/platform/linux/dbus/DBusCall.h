// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QVariant>

// Short D-Bus calls. Each carries its own timeout, so a hung service costs at most that and never the
// bus's 25-second default, and none starts a service that is not running.
namespace DBusCall {

inline constexpr int timeoutMs = 300;

// A method call to send with call() or start().
QDBusMessage method(const QString& service, const QString& path, const QString& interface, const QString& name,
                    const QVariantList& arguments = {});

// Sends the call and waits for its answer; an error message when none comes in time.
QDBusMessage call(const QDBusConnection& bus, const QDBusMessage& message);

// Sends the call without waiting; waitForFinished() on the result waits at most the timeout.
QDBusPendingCall start(const QDBusConnection& bus, const QDBusMessage& message);

// The call that reads one property.
QDBusMessage propertyGet(const QString& service, const QString& path, const QString& interface, const QString& name);

// The first argument of an answer, with a property's variant unwrapped; invalid for an error.
QVariant firstArgument(const QDBusMessage& reply);

// The owner process of a bus name, as the bus daemon reports it.
QDBusMessage ownerPid(const QString& busName);

} // namespace DBusCall
