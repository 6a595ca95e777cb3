// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GnomeShellWorkspace.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

namespace {
// The extension's name on the session bus, its object and interface.
const QString serviceName = QStringLiteral("app.corvani.Horavane.Shell");
const QString objectPath = QStringLiteral("/app/corvani/Horavane/Shell");
const QString interfaceName = QStringLiteral("app.corvani.Horavane.Shell");
} // namespace

std::unique_ptr<GnomeShellWorkspace> GnomeShellWorkspace::create(QDBusConnection bus, QString* whyNot, QObject* parent)
{
    if (!bus.interface() || !bus.interface()->isServiceRegistered(QStringLiteral("org.gnome.Shell")).value()) {
        *whyNot = QStringLiteral("no GNOME Shell");
        return nullptr;
    }
    return std::make_unique<GnomeShellWorkspace>(std::move(bus), parent);
}

GnomeShellWorkspace::GnomeShellWorkspace(QDBusConnection bus, QObject* parent)
    : LinuxWorkspace(parent), m_bus(std::move(bus)),
      m_watcher(new QDBusServiceWatcher(
          serviceName, m_bus, QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration,
          this))
{
    // Signals from whoever owns the name: the shell restarting with the extension takes it again.
    m_bus.connect(serviceName, objectPath, interfaceName, QStringLiteral("FocusChanged"), this,
                  SLOT(focusChanged(QString, QString, uint)));
    m_bus.connect(serviceName, objectPath, interfaceName, QStringLiteral("WindowsChanged"), this,
                  SLOT(windowsChanged()));
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, &GnomeShellWorkspace::extensionArrived);
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, &GnomeShellWorkspace::extensionLeft);
    if (m_bus.interface() && m_bus.interface()->isServiceRegistered(serviceName).value())
        extensionArrived();
}

GnomeShellWorkspace::~GnomeShellWorkspace() = default;

std::optional<RunningApp> GnomeShellWorkspace::frontmostApplication() const
{
    return m_front;
}

QList<RunningApp> GnomeShellWorkspace::runningApplications() const
{
    return m_running;
}

QString GnomeShellWorkspace::description() const
{
    return m_answers ? QStringLiteral("GNOME Shell, Horavane's extension answering")
                     : QStringLiteral("GNOME Shell, Horavane's extension not answering yet");
}

QDBusPendingCall GnomeShellWorkspace::call(const QString& method)
{
    return m_bus.asyncCall(QDBusMessage::createMethodCall(serviceName, objectPath, interfaceName, method));
}

void GnomeShellWorkspace::extensionArrived()
{
    if (!m_answers) {
        m_answers = true;
        emit extensionAnswersChanged(true);
    }
    askFocus();
    windowsChanged();
}

void GnomeShellWorkspace::extensionLeft()
{
    m_running.clear();
    setFront(std::nullopt);
    if (m_answers) {
        m_answers = false;
        emit extensionAnswersChanged(false);
    }
}

// A signal handed over while the question was out is as new as the answer or newer: the shell sends both in
// order, and Qt may hand over a signal before a reply sent ahead of it.
void GnomeShellWorkspace::askFocus()
{
    auto* watcher = new QDBusPendingCallWatcher(call(QStringLiteral("Focus")), this);
    const quint64 signalsBefore = m_focusSignals;
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, signalsBefore](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<QString, QString, uint> reply = *finished;
                if (reply.isValid() && m_focusSignals == signalsBefore)
                    setFront(m_apps.application(reply.argumentAt<1>(), reply.argumentAt<0>(), reply.argumentAt<2>()));
            });
}

void GnomeShellWorkspace::focusChanged(const QString& appId, const QString& desktopEntry, uint pid)
{
    ++m_focusSignals;
    setFront(m_apps.application(desktopEntry, appId, pid));
}

void GnomeShellWorkspace::setFront(const std::optional<RunningApp>& front)
{
    if (front == m_front)
        return;
    m_front = front;
    emit applicationActivated();
}

void GnomeShellWorkspace::windowsChanged()
{
    auto* watcher = new QDBusPendingCallWatcher(call(QStringLiteral("Windows")), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusMessage reply = finished->reply();
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1 ||
            reply.signature() != QLatin1String("a(ssu)"))
            return;
        QList<RunningApp> running;
        const QDBusArgument rows = reply.arguments().constFirst().value<QDBusArgument>();
        rows.beginArray();
        while (!rows.atEnd()) {
            QString appId, desktopEntry;
            uint pid = 0;
            rows.beginStructure();
            rows >> appId >> desktopEntry >> pid;
            rows.endStructure();
            appendOnce(running, m_apps.application(desktopEntry, appId, pid));
        }
        rows.endArray();
        m_running = running;
    });
}
