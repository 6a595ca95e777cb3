// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopNotifier.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString actionKey = QStringLiteral("show-today");
const QString clickKey = QStringLiteral("default"); // what a click on the notice itself invokes

// The "image-data" hint: width, height, row stride, alpha, bits per sample, channels, RGBA bytes.
QVariant imageData(const DesktopNotifier::Icon& icon)
{
    QDBusArgument argument;
    argument.beginStructure();
    argument << icon.width << icon.height << icon.width * 4 << true << 8 << 4 << icon.rgba;
    argument.endStructure();
    return QVariant::fromValue(argument);
}

} // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection bus, Icon icon, const QString& desktopEntry, QObject* parent)
    : Notifier(parent), m_bus(std::move(bus)), m_icon(std::move(icon)), m_desktopEntry(desktopEntry)
{
    m_bus.connect(QString(), path, interface, QStringLiteral("ActionInvoked"), this,
                  SLOT(actionInvoked(uint, QString)));
    m_bus.connect(QString(), path, interface, QStringLiteral("NotificationClosed"), this,
                  SLOT(notificationClosed(uint, uint)));
    // Servers that read markup in the body would take an item's "&" or "<" for some.
    auto* capabilities = new QDBusPendingCallWatcher(
        m_bus.asyncCall(QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("GetCapabilities"))),
        this);
    connect(capabilities, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<QStringList> reply = *call;
        m_serverReadsMarkup = reply.isValid() && reply.value().contains(QLatin1String("body-markup"));
        m_serverKnown = true;
        call->deleteLater();
        for (const Notice& notice : std::exchange(m_waiting, {}))
            send(notice);
    });
}

void DesktopNotifier::show(const Notice& notice)
{
    if (m_serverKnown)
        send(notice);
    else
        m_waiting.append(notice);
}

void DesktopNotifier::send(const Notice& notice)
{
    QStringList actions;
    if (!notice.action.isEmpty())
        actions = {clickKey, notice.action, actionKey, notice.action};
    QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(1))}, // normal: never past do-not-disturb
        {QStringLiteral("desktop-entry"), m_desktopEntry},
    };
    if (m_icon.width > 0 && m_icon.rgba.size() == qsizetype(m_icon.width) * m_icon.height * 4)
        hints.insert(QStringLiteral("image-data"), imageData(m_icon));
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    call << QStringLiteral("Horavane") << uint(0) << m_desktopEntry << notice.title
         << (m_serverReadsMarkup ? notice.body.toHtmlEscaped() : notice.body) << actions << hints << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &DesktopNotifier::shown);
}

void DesktopNotifier::shown(QDBusPendingCallWatcher* call)
{
    const QDBusPendingReply<uint> reply = *call;
    if (reply.isValid())
        m_shown.insert(reply.value());
    else
        qInfo().noquote() << "No notification shown:" << reply.error().message();
    call->deleteLater();
}

void DesktopNotifier::actionInvoked(uint id, const QString& action)
{
    if (m_shown.contains(id) && (action == actionKey || action == clickKey))
        emit actionChosen();
}

void DesktopNotifier::notificationClosed(uint id, uint /*reason*/)
{
    m_shown.remove(id);
}
