// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplaySleepHoldWatch.h"

#include "DisplaySleepHolders.h"

#include <QDBusArgument>
#include <QDBusMessage>

namespace {

const QString gnomeSession = QStringLiteral("org.gnome.SessionManager");
const QString login1 = QStringLiteral("org.freedesktop.login1");
const QString blockInhibited = QStringLiteral("BlockInhibited");

// The property names a PropertiesChanged message carries, changed or invalidated.
QStringList propertyNames(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    QStringList names = arguments.value(2).toStringList();
    const QVariant changed = arguments.value(1);
    if (changed.metaType() == QMetaType::fromType<QDBusArgument>()) {
        const QDBusArgument argument = changed.value<QDBusArgument>();
        if (argument.currentSignature() == QLatin1String("a{sv}")) {
            QVariantMap map;
            argument >> map;
            names += map.keys();
        }
    } else {
        names += changed.toMap().keys();
    }
    return names;
}

} // namespace

DisplaySleepHoldWatch::DisplaySleepHoldWatch(QDBusConnection systemBus, QDBusConnection sessionBus, QObject* parent)
    : QObject(parent), m_systemBus(std::move(systemBus)), m_sessionBus(std::move(sessionBus))
{
    const QString gnomePath = QStringLiteral("/org/gnome/SessionManager");
    m_sessionBus.connect(gnomeSession, gnomePath, gnomeSession, QStringLiteral("InhibitorAdded"), this,
                         SLOT(onHoldsAnnounced(QDBusMessage)));
    m_sessionBus.connect(gnomeSession, gnomePath, gnomeSession, QStringLiteral("InhibitorRemoved"), this,
                         SLOT(onHoldsAnnounced(QDBusMessage)));
    m_sessionBus.connect(QStringLiteral("org.freedesktop.PowerManagement"),
                         QStringLiteral("/org/freedesktop/PowerManagement/Inhibit"),
                         QStringLiteral("org.freedesktop.PowerManagement.Inhibit"), QStringLiteral("HasInhibitChanged"),
                         this, SLOT(onHoldsAnnounced(QDBusMessage)));
    // Today's logind does not announce BlockInhibited; one that does is heard.
    m_systemBus.connect(login1, QStringLiteral("/org/freedesktop/login1"),
                        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"), this,
                        SLOT(onLogindPropertiesChanged(QDBusMessage)));
    refresh();
}

void DisplaySleepHoldWatch::refresh()
{
    if (m_reading)
        return;
    m_reading = true;
    m_readAgain = false;
    DisplaySleepHolders::read(m_systemBus, m_sessionBus, this,
                              [this](std::optional<QList<DisplaySleepHold>> holds) { finish(std::move(holds)); });
}

void DisplaySleepHoldWatch::finish(std::optional<QList<DisplaySleepHold>> holds)
{
    m_holds = std::move(holds);
    m_reading = false;
    if (m_readAgain)
        refresh();
    emit readFinished();
}

void DisplaySleepHoldWatch::onHoldsAnnounced(const QDBusMessage&)
{
    if (m_reading)
        m_readAgain = true;
    else
        refresh();
}

void DisplaySleepHoldWatch::onLogindPropertiesChanged(const QDBusMessage& message)
{
    if (message.arguments().value(0).toString() == QLatin1String("org.freedesktop.login1.Manager") &&
        propertyNames(message).contains(blockInhibited))
        onHoldsAnnounced(message);
}
