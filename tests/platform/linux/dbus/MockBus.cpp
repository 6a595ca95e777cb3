// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MockBus.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int startTimeoutMs = 30000;
constexpr int callTimeoutMs = 30000;

// The distribution's python carries dbusmock; a python found first on PATH may not.
QString python()
{
    const QString system = QStringLiteral("/usr/bin/python3");
    return QFile::exists(system) ? system : QStandardPaths::findExecutable(QStringLiteral("python3"));
}

} // namespace

bool waitUntil(const std::function<bool()>& pred, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!pred()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

bool MockBus::toolsAvailable()
{
    static const bool available = [] {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty() || python().isEmpty())
            return false;
        QProcess probe;
        probe.start(python(), {QStringLiteral("-c"), QStringLiteral("import dbusmock")});
        return probe.waitForFinished(startTimeoutMs) && probe.exitStatus() == QProcess::NormalExit &&
               probe.exitCode() == 0;
    }();
    return available;
}

MockBus::MockBus() = default;

MockBus::~MockBus()
{
    for (auto& [name, process] : m_mocks) {
        endProcess(*process);
        delete process;
    }
    for (const QString& name : std::as_const(m_connections))
        QDBusConnection::disconnectFromBus(name);
}

QDBusConnection MockBus::connect(const QString& name)
{
    const QString unique = m_daemon.address() + QLatin1Char('#') + name;
    if (!m_connections.contains(unique))
        m_connections.append(unique);
    return QDBusConnection::connectToBus(m_daemon.address(), unique);
}

bool MockBus::waitForName(const QString& name, bool owned)
{
    QDBusConnectionInterface* bus = control().interface();
    return bus && waitUntil([&] { return bus->isServiceRegistered(name).value() == owned; }, startTimeoutMs);
}

qint64 MockBus::startMock(const QStringList& arguments, const QString& busName)
{
    if (!isRunning())
        return 0;
    auto* process = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The mock's own bus choice (system for logind, session for the rest) lands on this bus either way.
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_daemon.address());
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_daemon.address());
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(python(), QStringList{QStringLiteral("-m"), QStringLiteral("dbusmock")} + arguments);
    m_mocks.append({busName, process});
    if (!process->waitForStarted(startTimeoutMs) || !waitForName(busName, true))
        return 0;
    return process->processId();
}

void MockBus::stopMock(const QString& busName)
{
    for (auto& [name, process] : m_mocks) {
        if (name == busName)
            endProcess(*process);
    }
    waitForName(busName, false);
}

QDBusMessage MockBus::call(const QString& service, const QString& path, const QString& interface, const QString& method,
                           const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return control().call(message, QDBus::Block, callTimeoutMs);
}

QDBusMessage MockBus::mock(const QString& service, const QString& path, const QString& method,
                           const QVariantList& arguments)
{
    return call(service, path, QStringLiteral("org.freedesktop.DBus.Mock"), method, arguments);
}

void MockBus::addMethod(const QString& service, const QString& path, const QString& interface, const QString& name,
                        const QString& in, const QString& out, const QString& code)
{
    const QDBusMessage reply = mock(service, path, QStringLiteral("AddMethod"), {interface, name, in, out, code});
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
}

void MockBus::emitSignal(const QString& service, const QString& path, const QString& interface, const QString& name,
                         const QString& signature, const QVariantList& arguments)
{
    const QDBusMessage reply =
        mock(service, path, QStringLiteral("EmitSignal"), {interface, name, signature, arguments});
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
}

QList<std::pair<QString, QVariantList>> MockBus::calls(const QString& service, const QString& path)
{
    QList<std::pair<QString, QVariantList>> result;
    const QDBusMessage reply = mock(service, path, QStringLiteral("GetCalls"), {});
    const QDBusArgument calls = reply.arguments().value(0).value<QDBusArgument>();
    calls.beginArray();
    while (!calls.atEnd()) {
        quint64 time = 0;
        QString method;
        QVariantList arguments;
        calls.beginStructure();
        calls >> time >> method >> arguments;
        calls.endStructure();
        result.append({method, arguments});
    }
    calls.endArray();
    return result;
}

QList<QVariantList> MockBus::receivedCalls(const QString& service, const QString& path, const QString& method)
{
    QList<QVariantList> result;
    for (const auto& [name, arguments] : calls(service, path)) {
        if (name == method)
            result.append(arguments);
    }
    return result;
}

QStringList MockBus::receivedMethods(const QString& service, const QString& path)
{
    QStringList names;
    for (const auto& call : calls(service, path))
        names.append(call.first);
    return names;
}

void MockBusTest::SetUp()
{
    if (!MockBus::toolsAvailable())
        GTEST_SKIP() << "dbus-daemon or python3-dbusmock missing";
    ASSERT_TRUE(bus.isRunning());
}
