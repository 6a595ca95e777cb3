// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BusDaemon.h"

#include <QDBusConnection>
#include <QHash>
#include <QMutex>
#include <QRect>
#include <QSet>
#include <QStringList>
#include <QThread>
#include <functional>
#include <memory>
#include <optional>

// One element of a fake application's tree. Replies come from a thread of their own, so a test's
// blocking calls are answered while it waits.
struct FakeNode
{
    quint32 role = 0;
    QList<quint32> states{0, 0};
    QStringList children; // paths below the same application
    QString name;
    QString docUrl; // Gecko's address attribute
    QString uri;    // Chromium's
    QRect extents;
    int delayMs = 0;          // the reply comes this late
    bool wrongShapes = false; // every reply is a signed integer, which nothing expects
};

class FakeBusObject;

// A session bus with an accessibility launcher, an accessibility bus with a registry, and applications
// on it, all of this test process: private dbus-daemons and a server thread.
class FakeAtspi
{
public:
    FakeAtspi();
    ~FakeAtspi();
    FakeAtspi(const FakeAtspi&) = delete;
    FakeAtspi& operator=(const FakeAtspi&) = delete;

    static bool toolsAvailable();
    bool isRunning() const;

    // A connection of the test to the fake session bus, to hand to the code under test.
    QDBusConnection session() const;
    // Adds an application with these nodes (its root is "root"); its bus name. Listed by the registry
    // unless registered is false.
    QString addApplication(const QHash<QString, FakeNode>& nodes, bool registered = true);
    // Closes the application's connection, as a quitting program does.
    void removeApplication(const QString& busName);
    // Starts or stops answering on the session bus as org.a11y.Bus.
    void setLauncherPresent(bool present);
    void setEnabled(bool enabled);
    bool enabled() const;

    int addressRequests() const;
    QStringList registeredEvents() const;
    // Changes or adds a node of an application.
    void setNode(const QString& busName, const QString& node, const FakeNode& value);
    // The messages the application received, as "GetRole page", in order.
    QStringList calls(const QString& busName) const;
    // Distinct bus names that sent the application a message.
    QSet<QString> callers(const QString& busName) const;
    QString accessibilityAddress() const { return m_a11yAddress; }
    QStringList accessibilityBusNames() const;

    // The path of a node as the application serves it.
    static QString path(const QString& node);

private:
    void onServer(const std::function<void()>& work) const;

    BusDaemon m_sessionBus;
    BusDaemon m_a11yBus;
    const QString m_sessionAddress = m_sessionBus.address();
    const QString m_a11yAddress = m_a11yBus.address();
    QThread m_server;
    QObject* m_context = nullptr; // lives on the server thread
    std::unique_ptr<FakeBusObject> m_launcher;
    std::unique_ptr<FakeBusObject> m_registry;
    struct Tree
    {
        QMutex mutex;
        QHash<QString, FakeNode> nodes;
    };

    QHash<QString, std::shared_ptr<FakeBusObject>> m_apps; // by bus name
    QHash<QString, std::shared_ptr<Tree>> m_trees;
    QHash<QString, QString> m_appConnections; // bus name → connection name
    mutable QMutex m_mutex;
    QStringList m_registered; // bus names the registry lists
    QStringList m_events;     // events listeners registered for
    bool m_enabled = false;
    int m_addressRequests = 0;
    int m_counter = 0;
};
