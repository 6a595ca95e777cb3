// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BusDaemon.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class QProcess;

// A private D-Bus daemon for one test, with python-dbusmock services on it. It can stand in for the
// system bus or the session bus; everything it started ends with it.
class MockBus
{
public:
    MockBus();
    ~MockBus();
    MockBus(const MockBus&) = delete;
    MockBus& operator=(const MockBus&) = delete;

    // Whether dbus-daemon and python3 with dbusmock are present; tests skip without them.
    static bool toolsAvailable();

    bool isRunning() const { return !m_daemon.address().isEmpty(); }
    // A new connection of this test to the bus (each name is a separate client).
    QDBusConnection connect(const QString& name);
    // The test's own connection, for driving the mocks.
    QDBusConnection control() { return connect(QStringLiteral("control")); }

    // Starts `python3 -m dbusmock <arguments>` and waits until it owns busName; its pid, or 0 on failure.
    qint64 startMock(const QStringList& arguments, const QString& busName);
    // Ends the mock that owns busName and waits until the name is gone.
    void stopMock(const QString& busName);

    // Calls a method and waits for its answer.
    QDBusMessage call(const QString& service, const QString& path, const QString& interface, const QString& method,
                      const QVariantList& arguments = {});
    // Calls a method of the dbusmock control interface (AddMethod, AddProperty, EmitSignal, ...) on path.
    QDBusMessage mock(const QString& service, const QString& path, const QString& method,
                      const QVariantList& arguments);
    // dbusmock's AddMethod and EmitSignal on the mock at path, failing the test when the mock refuses them.
    void addMethod(const QString& service, const QString& path, const QString& interface, const QString& name,
                   const QString& in, const QString& out, const QString& code);
    void emitSignal(const QString& service, const QString& path, const QString& interface, const QString& name,
                    const QString& signature, const QVariantList& arguments);
    // The arguments of every call of method that the mock on path received, in order.
    QList<QVariantList> receivedCalls(const QString& service, const QString& path, const QString& method);
    // The names of the methods the mock on path was called with, in order.
    QStringList receivedMethods(const QString& service, const QString& path);

private:
    bool waitForName(const QString& name, bool owned);
    // Every call the mock on path received, in order: the method and its arguments.
    QList<std::pair<QString, QVariantList>> calls(const QString& service, const QString& path);

    BusDaemon m_daemon;
    QList<std::pair<QString, QProcess*>> m_mocks;
    QStringList m_connections;
};

// A test with one private bus, skipped where the tools are missing.
class MockBusTest : public ::testing::Test
{
protected:
    void SetUp() override;

    MockBus bus;
};

// Runs the event loop until pred() holds or timeoutMs passed; whether it holds.
bool waitUntil(const std::function<bool()>& pred, int timeoutMs = 30000);
