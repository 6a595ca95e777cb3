// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AtspiAccessibility.h"

#include "AtspiProtocol.h"
#include "Lookahead.h"
#include "ThreadConnections.h"

#include <QAtomicInteger>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>
#include <climits>

namespace {

using Timeout = Accessibility::Timeout;
namespace P = AtspiProtocol;

// The calls about the switch come from the main thread and have no timeout of their own.
constexpr Timeout sessionTimeout{250};
// An application with more top-level windows than this is not looked through further.
constexpr qsizetype windowLimit = 100;
// Titles read with a window and not yet asked for; more than this are stale.
constexpr qsizetype titleLimit = 32;

int milliseconds(Timeout timeout)
{
    return int(std::clamp<qint64>(timeout.count(), 1, INT_MAX));
}

// Sends every call before waiting for any, so that a batch costs one round trip, each bounded by timeout.
QList<QDBusMessage> callAll(const QDBusConnection& bus, const QList<QDBusMessage>& calls, Timeout timeout)
{
    QList<QDBusPendingCall> pending;
    pending.reserve(calls.size());
    for (const QDBusMessage& call : calls)
        pending.append(bus.asyncCall(call, milliseconds(timeout)));
    QList<QDBusMessage> replies;
    replies.reserve(calls.size());
    for (QDBusPendingCall& call : pending) {
        call.waitForFinished();
        replies.append(call.reply());
    }
    return replies;
}

QDBusMessage callOne(const QDBusConnection& bus, const QDBusMessage& call, Timeout timeout)
{
    return bus.call(call, QDBus::Block, milliseconds(timeout));
}

bool isNoReply(const QDBusMessage& reply)
{
    const QString error = reply.errorName();
    return error == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
           error == QLatin1String("org.freedesktop.DBus.Error.Timeout");
}

QDBusMessage daemonCall(const QString& name, const QVariantList& arguments = {})
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus"), name);
    message.setArguments(arguments);
    return message;
}

QDBusMessage ownerPid(const QString& busName)
{
    return daemonCall(QStringLiteral("GetConnectionUnixProcessID"), {busName});
}

QDBusMessage getRole(const AccessibleElement& element)
{
    return P::call(element.service, element.path, P::accessibleInterface, QStringLiteral("GetRole"));
}

QDBusMessage getState(const AccessibleElement& element)
{
    return P::call(element.service, element.path, P::accessibleInterface, QStringLiteral("GetState"));
}

QDBusMessage getChildren(const AccessibleElement& element)
{
    return P::call(element.service, element.path, P::accessibleInterface, QStringLiteral("GetChildren"));
}

QDBusMessage getProperty(const QString& service, const QString& path, QLatin1StringView interface,
                         const QString& property)
{
    return P::call(service, path, QLatin1StringView("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                   {QString(interface), property});
}

QDBusMessage nameCall(const AccessibleElement& element)
{
    return getProperty(element.service, element.path, P::accessibleInterface, QStringLiteral("Name"));
}

std::optional<quint32> pidOf(const QDBusMessage& reply)
{
    return P::decodeRole(P::firstArgument(reply)); // a u, like a role
}

QDBusMessage launcherCall(const QString& name, const QVariantList& arguments = {})
{
    return P::call(P::launcherService, P::launcherPath, P::launcherInterface, name, arguments);
}

QDBusMessage statusCall(const QString& name, const QVariantList& arguments)
{
    return P::call(P::launcherService, P::launcherPath, QLatin1StringView("org.freedesktop.DBus.Properties"), name,
                   arguments);
}

} // namespace

AtspiAccessibility::AtspiAccessibility(QDBusConnection session) : m_session(std::move(session)) {}

AtspiAccessibility::~AtspiAccessibility()
{
    if (!m_listener.isEmpty())
        QDBusConnection::disconnectFromBus(m_listener);
}

void AtspiAccessibility::connectNow() const
{
    bus(sessionTimeout);
}

bool AtspiAccessibility::isEnabled() const
{
    return switchedOn(sessionTimeout).value_or(false);
}

void AtspiAccessibility::enable()
{
    // Nothing waits for the answer: the next isEnabled() is ordered after it on the same connection.
    m_session.asyncCall(statusCall(QStringLiteral("Set"), {QString(P::statusInterface), QStringLiteral("IsEnabled"),
                                                           QVariant::fromValue(QDBusVariant(true))}),
                        milliseconds(sessionTimeout));
}

void AtspiAccessibility::openSettings()
{
    const std::optional<QStringList> command = settingsCommand(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
    if (command)
        QProcess::startDetached(command->constFirst(), command->mid(1));
}

std::optional<QStringList> AtspiAccessibility::settingsCommand(const QString& desktop, const QStringList& searchPaths)
{
    QList<QStringList> known = {
        {QStringLiteral("gnome-control-center"), QStringLiteral("universal-access")},
        {QStringLiteral("systemsettings"), QStringLiteral("kcm_access")},
        {QStringLiteral("systemsettings5"), QStringLiteral("kcm_access")},
    };
    // Where both are installed, the running desktop's own settings win.
    if (desktop.split(u':').contains(QLatin1String("KDE"), Qt::CaseInsensitive))
        std::rotate(known.begin(), known.begin() + 1, known.end());
    for (QStringList command : std::as_const(known)) {
        const QString program = QStandardPaths::findExecutable(command.constFirst(), searchPaths);
        if (program.isEmpty())
            continue;
        command.first() = program;
        return command;
    }
    return std::nullopt;
}

std::optional<bool> AtspiAccessibility::switchedOn(Timeout timeout) const
{
    const QDBusMessage reply =
        callOne(m_session,
                statusCall(QStringLiteral("Get"), {QString(P::statusInterface), QStringLiteral("IsEnabled")}), timeout);
    const QVariant value = P::firstArgument(reply);
    if (value.metaType() != QMetaType::fromType<bool>())
        return std::nullopt;
    return value.toBool();
}

std::optional<QString> AtspiAccessibility::fetchAddress(Timeout timeout) const
{
    const QDBusMessage reply = callOne(m_session, launcherCall(QStringLiteral("GetAddress")), timeout);
    const std::optional<QString> address = P::decodeString(P::firstArgument(reply));
    if (!address || address->isEmpty())
        return std::nullopt;
    return address;
}

void AtspiAccessibility::listenForActivation(const QString& address) const
{
    // Chromium keeps the active state of its windows only while some client listens for window
    // activation; without it no Chromium window ever says it has the focus. The registry drops the
    // listener when this connection closes.
    static QAtomicInteger<quint64> counter;
    const QString name = QStringLiteral("horavane-atspi-listener-%1").arg(++counter);
    QDBusConnection listener = QDBusConnection::connectToBus(address, name);
    if (!listener.isConnected()) {
        QDBusConnection::disconnectFromBus(name);
        return;
    }
    listener.asyncCall(P::call(P::registryService, P::registryPath, P::registryInterface,
                               QStringLiteral("RegisterEvent"), {QStringLiteral("window:activate")}),
                       milliseconds(sessionTimeout));
    QMutexLocker lock(&m_mutex);
    if (!m_listener.isEmpty())
        QDBusConnection::disconnectFromBus(m_listener);
    m_listener = name;
}

std::optional<QDBusConnection> AtspiAccessibility::bus(Timeout timeout) const
{
    QString address;
    {
        QMutexLocker lock(&m_mutex);
        address = m_address;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (address.isEmpty()) {
            const std::optional<QString> fetched = fetchAddress(timeout);
            if (!fetched)
                return std::nullopt;
            bool changed = false;
            {
                QMutexLocker lock(&m_mutex);
                changed = m_address != *fetched;
                m_address = *fetched;
                if (changed)
                    m_busNames.clear(); // names belong to the bus they were seen on
            }
            address = *fetched;
            if (changed)
                listenForActivation(address);
        }
        const QDBusConnection connection = ThreadConnections(address).connection();
        if (connection.isConnected())
            return connection;
        // The desktop may have started a new accessibility bus: ask where it is once more.
        address.clear();
    }
    return std::nullopt;
}

Accessibility::ApplicationAnswer AtspiAccessibility::application(qint64 pid, Timeout timeout) const
{
    if (pid <= 0)
        return {std::nullopt, Error::noApplication};
    const std::optional<QDBusConnection> connection = bus(timeout);
    if (!connection) {
        // No accessibility bus: accessibility is off, unless the desktop says it is on and the bus is broken.
        return {std::nullopt, switchedOn(timeout).value_or(false) ? Error::noReply : Error::switchedOff};
    }

    QString cached;
    {
        QMutexLocker lock(&m_mutex);
        cached = m_busNames.value(pid);
    }
    if (!cached.isEmpty()) {
        // A bus name is never given twice, so a name still owned by the pid is still that process, even
        // if the pid was reused in between; its role answers the liveness question in the same round trip.
        const AccessibleElement app{cached, QString(P::rootPath)};
        const QList<QDBusMessage> replies = callAll(*connection, {ownerPid(cached), getRole(app)}, timeout);
        if (pidOf(replies.at(0)) == quint32(pid)) {
            if (P::decodeRole(P::firstArgument(replies.at(1))) == P::applicationRole)
                return {app, Error::none};
            if (isNoReply(replies.at(1)))
                return {std::nullopt, Error::noReply};
        }
        QMutexLocker lock(&m_mutex);
        m_busNames.remove(pid);
    }

    if (const std::optional<AccessibleElement> found = findApplication(*connection, pid, timeout)) {
        QMutexLocker lock(&m_mutex);
        m_busNames.insert(pid, found->service);
        return {found, Error::none};
    }
    return {std::nullopt, switchedOn(timeout) == false ? Error::switchedOff : Error::noApplication};
}

std::optional<AccessibleElement> AtspiAccessibility::findApplication(const QDBusConnection& bus, qint64 pid,
                                                                     Timeout timeout) const
{
    // Those of the pid among the candidates that answer as an application, the first in order.
    const auto pick = [&](const QList<AccessibleElement>& candidates) -> std::optional<AccessibleElement> {
        QList<QDBusMessage> calls;
        for (const AccessibleElement& candidate : candidates)
            calls.append(ownerPid(candidate.service));
        const QList<QDBusMessage> pids = callAll(bus, calls, timeout);
        QList<AccessibleElement> owned;
        calls.clear();
        for (qsizetype i = 0; i < candidates.size(); ++i) {
            if (pidOf(pids.at(i)) == quint32(pid)) {
                owned.append(candidates.at(i));
                calls.append(getRole(candidates.at(i)));
            }
        }
        const QList<QDBusMessage> roles = callAll(bus, calls, timeout);
        for (qsizetype i = 0; i < owned.size(); ++i) {
            if (P::decodeRole(P::firstArgument(roles.at(i))) == P::applicationRole)
                return owned.at(i);
        }
        return std::nullopt;
    };

    const AccessibleElement registryRoot{QString(P::registryService), QString(P::rootPath)};
    const QList<AccessibleElement> registered =
        P::decodeChildren(P::firstArgument(callOne(bus, getChildren(registryRoot), timeout)));
    if (std::optional<AccessibleElement> found = pick(registered))
        return found;

    // An application may be on the bus before the registry lists it (Chromium joins the list only once
    // asked): look at every other client of the bus too.
    QSet<QString> seen;
    for (const AccessibleElement& app : registered)
        seen.insert(app.service);
    const QVariant names = P::firstArgument(callOne(bus, daemonCall(QStringLiteral("ListNames")), timeout));
    QList<AccessibleElement> others;
    for (const QString& name : names.toStringList()) {
        if (name.startsWith(u':') && !seen.contains(name) && name != bus.baseService())
            others.append({name, QString(P::rootPath)});
    }
    return pick(others);
}

std::optional<AccessibleElement> AtspiAccessibility::window(const AccessibleElement& application, Window which,
                                                            Timeout timeout) const
{
    const std::optional<QDBusConnection> connection = bus(timeout);
    if (!connection)
        return std::nullopt;
    QList<AccessibleElement> windows =
        P::decodeChildren(P::firstArgument(callOne(*connection, getChildren(application), timeout)));
    windows = windows.mid(0, windowLimit);
    // The title comes in the same batch: a reader asks for the chosen window's title next (the private-window
    // check), and it then costs no round trip of its own.
    QList<QDBusMessage> calls;
    for (const AccessibleElement& candidate : std::as_const(windows))
        calls << getRole(candidate) << getState(candidate) << nameCall(candidate);
    const QList<QDBusMessage> replies = callAll(*connection, calls, timeout);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        if (P::decodeRole(P::firstArgument(replies.at(3 * i))) != P::frameRole)
            continue;
        if (which == Window::focused) {
            const std::optional<quint64> states = P::decodeStates(P::firstArgument(replies.at(3 * i + 1)));
            if (!states || !P::hasState(*states, P::activeState))
                continue;
        }
        const AccessibleElement& found = windows.at(i);
        const QString title = P::decodeString(P::firstArgument(replies.at(3 * i + 2))).value_or(QString());
        QMutexLocker lock(&m_mutex);
        if (m_titles.size() > titleLimit)
            m_titles.clear(); // titles of windows nobody asked about
        m_titles.insert(found.service + found.path, title);
        return found;
    }
    return std::nullopt;
}

AccessibleFacts AtspiAccessibility::facts(const AccessibleElement& element, Timeout timeout) const
{
    AccessibleFacts facts;
    const std::optional<QDBusConnection> connection = bus(timeout);
    if (!connection)
        return facts;
    std::optional<Lookahead::Pending> pending = Lookahead::take(*connection, element);
    if (!pending) {
        pending = Lookahead::Pending{connection->asyncCall(getRole(element), milliseconds(timeout)),
                                     connection->asyncCall(getChildren(element), milliseconds(timeout))};
    }
    pending->role.waitForFinished();
    pending->children.waitForFinished();
    const std::optional<quint32> role = P::decodeRole(P::firstArgument(pending->role.reply()));
    if (role)
        facts.role = P::role(*role);
    facts.children = P::decodeChildren(P::firstArgument(pending->children.reply()));
    // Containers are looked into next; controls and pages, which a walk does not enter, are not.
    const bool container = facts.role == AccessibleRole::other || facts.role == AccessibleRole::window ||
                           facts.role == AccessibleRole::application;
    if (container)
        Lookahead::send(*connection, facts.children, timeout);
    if (role != P::documentWebRole)
        return facts;

    // Only page elements carry an address, and only theirs are size and visibility worth a question: a
    // second round trip for them alone keeps the walk through containers at two calls an element.
    const auto attribute = [&](QLatin1StringView name) {
        return P::call(element.service, element.path, P::documentInterface, QStringLiteral("GetAttributeValue"),
                       {QString(name)});
    };
    const QDBusMessage extents = P::call(element.service, element.path, P::componentInterface,
                                         QStringLiteral("GetExtents"), {QVariant::fromValue(quint32(0))});
    const QList<QDBusMessage> page = callAll(
        *connection,
        {attribute(P::geckoAddressAttribute), attribute(P::chromiumAddressAttribute), extents, getState(element)},
        timeout);
    for (qsizetype i = 0; i < 2 && !facts.address; ++i) {
        const std::optional<QString> address = P::decodeString(P::firstArgument(page.at(i)));
        if (address && !address->isEmpty())
            facts.address = address;
    }
    if (const std::optional<QRect> box = P::decodeExtents(P::firstArgument(page.at(2))))
        facts.size = QSizeF(box->width(), box->height());
    if (const std::optional<quint64> states = P::decodeStates(P::firstArgument(page.at(3))))
        facts.showing = P::hasState(*states, P::showingState);
    return facts;
}

QString AtspiAccessibility::name(const AccessibleElement& element, Timeout timeout) const
{
    {
        QMutexLocker lock(&m_mutex);
        const auto title = m_titles.constFind(element.service + element.path);
        if (title != m_titles.constEnd()) {
            const QString cached = *title;
            m_titles.erase(title); // good for the read that found the window, not for later ones
            return cached;
        }
    }
    const std::optional<QDBusConnection> connection = bus(timeout);
    if (!connection)
        return {};
    return P::decodeString(P::firstArgument(callOne(*connection, nameCall(element), timeout))).value_or(QString());
}
