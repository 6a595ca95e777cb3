// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Accessibility.h"
#include "DBusCall.h"

#include <QDBusMessage>
#include <QList>
#include <QRect>
#include <QString>
#include <QVariant>
#include <optional>

// The names, numbers and reply shapes of AT-SPI 2 on the accessibility bus, and the decoding of its replies.
// A reply of the wrong shape decodes to none, never to a made-up value.
namespace AtspiProtocol {

inline constexpr QLatin1StringView registryService{"org.a11y.atspi.Registry"};
inline constexpr QLatin1StringView registryPath{"/org/a11y/atspi/registry"};
inline constexpr QLatin1StringView rootPath{"/org/a11y/atspi/accessible/root"};
inline constexpr QLatin1StringView registryInterface{"org.a11y.atspi.Registry"};
inline constexpr QLatin1StringView accessibleInterface{"org.a11y.atspi.Accessible"};
inline constexpr QLatin1StringView documentInterface{"org.a11y.atspi.Document"};
inline constexpr QLatin1StringView componentInterface{"org.a11y.atspi.Component"};

// On the session bus: where the accessibility bus is and whether the desktop has accessibility on.
inline constexpr QLatin1StringView launcherService{"org.a11y.Bus"};
inline constexpr QLatin1StringView launcherPath{"/org/a11y/bus"};
inline constexpr QLatin1StringView launcherInterface{"org.a11y.Bus"};
inline constexpr QLatin1StringView statusInterface{"org.a11y.Status"};

inline constexpr quint32 applicationRole = 75;
inline constexpr quint32 frameRole = 23;
inline constexpr quint32 documentWebRole = 95;

inline constexpr int activeState = 1;
inline constexpr int showingState = 25;

// The page address attribute: Gecko names it DocURL, Chromium URI.
inline constexpr QLatin1StringView geckoAddressAttribute{"DocURL"};
inline constexpr QLatin1StringView chromiumAddressAttribute{"URI"};

// The role of the seam for an AT-SPI 2 role number.
AccessibleRole role(quint32 atspiRole);

// A method call to an accessible object that never starts a service.
QDBusMessage call(const QString& service, const QString& path, QLatin1StringView interface, const QString& name,
                  const QVariantList& arguments = {});

// The first argument of a method reply, a property's variant unwrapped; invalid for an error.
using DBusCall::firstArgument;

// GetRole → u.
std::optional<quint32> decodeRole(const QVariant& value);
// GetState → au: the 64-bit state set as two 32-bit words, low word first.
std::optional<quint64> decodeStates(const QVariant& value);
// GetChildren → a(so); empty for anything else.
QList<AccessibleElement> decodeChildren(const QVariant& value);
// GetExtents → (iiii): x, y, width, height.
std::optional<QRect> decodeExtents(const QVariant& value);
// A string reply; none for anything else.
std::optional<QString> decodeString(const QVariant& value);

inline bool hasState(quint64 states, int state)
{
    return (states >> state) & 1u;
}

} // namespace AtspiProtocol
