// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AtspiProtocol.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <limits>

AccessibleRole AtspiProtocol::role(quint32 atspiRole)
{
    switch (atspiRole) {
    case 7:  // check box
    case 62: // toggle button: a control with two states, like a check box
        return AccessibleRole::checkBox;
    case 11:
        return AccessibleRole::comboBox;
    case frameRole:
        return AccessibleRole::window;
    case 27:
        return AccessibleRole::image;
    case 29:  // label
    case 116: // static
        return AccessibleRole::staticText;
    case 33:
        return AccessibleRole::menu;
    case 34:
        return AccessibleRole::menuBar;
    case 38: // page tab list
        return AccessibleRole::tabGroup;
    case 43: // push button
        return AccessibleRole::button;
    case 44:
        return AccessibleRole::radioButton;
    case 63:
        return AccessibleRole::toolbar;
    case applicationRole:
        return AccessibleRole::application;
    case 79: // entry
        return AccessibleRole::textField;
    case documentWebRole:
        return AccessibleRole::webArea;
    default:
        return AccessibleRole::other;
    }
}

QDBusMessage AtspiProtocol::call(const QString& service, const QString& path, QLatin1StringView interface,
                                 const QString& name, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, name);
    message.setArguments(arguments);
    message.setAutoStartService(false);
    return message;
}

std::optional<quint32> AtspiProtocol::decodeRole(const QVariant& value)
{
    if (value.metaType() != QMetaType::fromType<quint32>())
        return std::nullopt;
    return value.value<quint32>();
}

std::optional<quint64> AtspiProtocol::decodeStates(const QVariant& value)
{
    QList<quint32> words;
    if (value.metaType() == QMetaType::fromType<QList<quint32>>()) {
        words = value.value<QList<quint32>>();
    } else if (value.metaType() == QMetaType::fromType<QDBusArgument>()) {
        const QDBusArgument argument = value.value<QDBusArgument>();
        if (argument.currentSignature() != QLatin1String("au"))
            return std::nullopt;
        argument >> words;
    } else {
        return std::nullopt;
    }
    if (words.size() != 2)
        return std::nullopt;
    return quint64(words.at(0)) | (quint64(words.at(1)) << 32);
}

QList<AccessibleElement> AtspiProtocol::decodeChildren(const QVariant& value)
{
    QList<AccessibleElement> children;
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return children;
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("a(so)"))
        return children;
    argument.beginArray();
    while (!argument.atEnd()) {
        QString service;
        QDBusObjectPath path;
        argument.beginStructure();
        argument >> service >> path;
        argument.endStructure();
        children.append({service, path.path()});
    }
    argument.endArray();
    return children;
}

std::optional<QRect> AtspiProtocol::decodeExtents(const QVariant& value)
{
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(iiii)"))
        return std::nullopt;
    int x = 0, y = 0, width = 0, height = 0;
    argument.beginStructure();
    argument >> x >> y >> width >> height;
    argument.endStructure();
    // A box whose far edge lies beyond int is no box on any screen (and QRect could not hold it).
    const auto fits = [](int origin, int size) {
        const qint64 edge = qint64(origin) + size - 1;
        return edge >= std::numeric_limits<int>::min() && edge <= std::numeric_limits<int>::max();
    };
    if (!fits(x, width) || !fits(y, height))
        return std::nullopt;
    return QRect(x, y, width, height);
}

std::optional<QString> AtspiProtocol::decodeString(const QVariant& value)
{
    if (value.metaType() != QMetaType::fromType<QString>())
        return std::nullopt;
    return value.toString();
}
