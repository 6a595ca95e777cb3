// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunningInstance.h"

#include <QDBusMessage>

namespace {
const QString objectPath = QStringLiteral("/app/corvani/Horavane");
} // namespace

const QString RunningInstance::busName = QStringLiteral("app.corvani.Horavane");

RunningInstance::RunningInstance(QDBusConnection bus, QObject* parent) : QObject(parent)
{
    if (bus.registerObject(objectPath, this, QDBusConnection::ExportScriptableSlots))
        bus.registerService(busName);
}

bool RunningInstance::showHistoryOfRunning(QDBusConnection bus)
{
    return bus.call(QDBusMessage::createMethodCall(busName, objectPath, busName, QStringLiteral("showHistory")))
               .type() == QDBusMessage::ReplyMessage;
}
