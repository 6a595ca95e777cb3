// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeAtspi.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QStandardPaths>
#include <QTimer>

namespace {

const QString accessiblePrefix = QStringLiteral("/org/a11y/atspi/accessible");

struct Child
{
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const Child& child)
{
    argument.beginStructure();
    argument << child.service << child.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, Child& child)
{
    argument.beginStructure();
    argument >> child.service >> child.path;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(Child)

// Answers every message to its paths with a handler; replies may be held back.
class FakeBusObject : public QDBusVirtualObject
{
public:
    // Given the message and this side's bus name, fills in the reply; false for a message it does not know.
    using Handler = std::function<bool(const QDBusMessage&, const QString& self, QDBusMessage& reply, int& delayMs)>;

    explicit FakeBusObject(Handler handler) : m_handler(std::move(handler)) {}

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        {
            QMutexLocker lock(&m_mutex);
            m_callers.insert(message.service());
            m_calls.append(message.member() + u' ' + message.path().section(u'/', -1));
        }
        QDBusMessage reply;
        int delayMs = 0;
        if (!m_handler(message, connection.baseService(), reply, delayMs))
            return false;
        if (delayMs <= 0) {
            connection.send(reply);
            return true;
        }
        message.setDelayedReply(true);
        QTimer::singleShot(delayMs, this, [connection, reply] { connection.send(reply); });
        return true;
    }

    QSet<QString> callers() const
    {
        QMutexLocker lock(&m_mutex);
        return m_callers;
    }

    QStringList calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }

private:
    Handler m_handler;
    mutable QMutex m_mutex;
    QSet<QString> m_callers;
    QStringList m_calls;
};

bool FakeAtspi::toolsAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty();
}

QString FakeAtspi::path(const QString& node)
{
    return accessiblePrefix + u'/' + node;
}

FakeAtspi::FakeAtspi()
{
    qDBusRegisterMetaType<Child>();
    qDBusRegisterMetaType<QList<Child>>();
    if (m_sessionAddress.isEmpty() || m_a11yAddress.isEmpty())
        return;

    m_server.start();
    m_context = new QObject;
    m_context->moveToThread(&m_server);

    m_launcher =
        std::make_unique<FakeBusObject>([this](const QDBusMessage& m, const QString&, QDBusMessage& reply, int&) {
            QMutexLocker lock(&m_mutex);
            if (m.member() == QLatin1String("GetAddress")) {
                ++m_addressRequests;
                reply = m.createReply(m_a11yAddress);
            } else if (m.member() == QLatin1String("Get") && m.arguments().value(1) == QLatin1String("IsEnabled")) {
                reply = m.createReply(QVariant::fromValue(QDBusVariant(m_enabled)));
            } else if (m.member() == QLatin1String("Set") && m.arguments().value(1) == QLatin1String("IsEnabled")) {
                m_enabled = m.arguments().value(2).value<QDBusVariant>().variant().toBool();
                reply = m.createReply();
            } else {
                return false;
            }
            return true;
        });
    m_registry =
        std::make_unique<FakeBusObject>([this](const QDBusMessage& m, const QString&, QDBusMessage& reply, int&) {
            QMutexLocker lock(&m_mutex);
            if (m.member() == QLatin1String("RegisterEvent")) {
                m_events.append(m.arguments().value(0).toString());
                reply = m.createReply();
            } else if (m.member() == QLatin1String("GetChildren")) {
                QList<Child> children;
                for (const QString& app : std::as_const(m_registered))
                    children.append({app, QDBusObjectPath(accessiblePrefix + QStringLiteral("/root"))});
                reply = m.createReply(QVariant::fromValue(children));
            } else {
                return false;
            }
            return true;
        });
    m_launcher->moveToThread(&m_server);
    m_registry->moveToThread(&m_server);
    onServer([this] {
        QDBusConnection registry = QDBusConnection::connectToBus(m_a11yAddress, QStringLiteral("fake-registry"));
        registry.registerService(QStringLiteral("org.a11y.atspi.Registry"));
        registry.registerVirtualObject(QStringLiteral("/org/a11y/atspi/accessible/root"), m_registry.get());
        registry.registerVirtualObject(QStringLiteral("/org/a11y/atspi/registry"), m_registry.get());
    });
    setLauncherPresent(true);
}

FakeAtspi::~FakeAtspi()
{
    if (m_server.isRunning()) {
        onServer([this] {
            for (const QString& connection : std::as_const(m_appConnections))
                QDBusConnection::disconnectFromBus(connection);
            QDBusConnection::disconnectFromBus(QStringLiteral("fake-registry"));
            QDBusConnection::disconnectFromBus(QStringLiteral("fake-launcher"));
            delete m_context;
        });
        m_server.quit();
        m_server.wait();
    }
}

void FakeAtspi::onServer(const std::function<void()>& work) const
{
    QMetaObject::invokeMethod(m_context, work, Qt::BlockingQueuedConnection);
}

bool FakeAtspi::isRunning() const
{
    return m_server.isRunning();
}

QDBusConnection FakeAtspi::session() const
{
    return QDBusConnection::connectToBus(m_sessionAddress, QStringLiteral("fake-session-client"));
}

void FakeAtspi::setLauncherPresent(bool present)
{
    onServer([this, present] {
        if (present) {
            QDBusConnection launcher = QDBusConnection::connectToBus(m_sessionAddress, QStringLiteral("fake-launcher"));
            launcher.registerService(QStringLiteral("org.a11y.Bus"));
            launcher.registerVirtualObject(QStringLiteral("/org/a11y/bus"), m_launcher.get());
        } else {
            QDBusConnection::disconnectFromBus(QStringLiteral("fake-launcher"));
        }
    });
}

void FakeAtspi::setEnabled(bool enabled)
{
    QMutexLocker lock(&m_mutex);
    m_enabled = enabled;
}

bool FakeAtspi::enabled() const
{
    QMutexLocker lock(&m_mutex);
    return m_enabled;
}

int FakeAtspi::addressRequests() const
{
    QMutexLocker lock(&m_mutex);
    return m_addressRequests;
}

QStringList FakeAtspi::registeredEvents() const
{
    QMutexLocker lock(&m_mutex);
    return m_events;
}

QString FakeAtspi::addApplication(const QHash<QString, FakeNode>& nodes, bool registered)
{
    auto tree = std::make_shared<Tree>();
    tree->nodes = nodes;
    auto app = std::make_shared<FakeBusObject>(
        [tree](const QDBusMessage& m, const QString& self, QDBusMessage& reply, int& delayMs) {
            const QString node = m.path().mid(accessiblePrefix.size() + 1);
            QMutexLocker lock(&tree->mutex);
            const auto it = tree->nodes.constFind(node);
            if (it == tree->nodes.constEnd())
                return false;
            const FakeNode n = *it;
            lock.unlock();
            delayMs = n.delayMs;
            const QString member = m.member();
            if (n.wrongShapes) {
                reply = m.createReply(qint32(-7));
            } else if (member == QLatin1String("GetRole")) {
                reply = m.createReply(n.role);
            } else if (member == QLatin1String("GetState")) {
                reply = m.createReply(QVariant::fromValue(n.states));
            } else if (member == QLatin1String("GetChildren")) {
                QList<Child> children;
                for (const QString& child : n.children)
                    children.append({self, QDBusObjectPath(path(child))});
                reply = m.createReply(QVariant::fromValue(children));
            } else if (member == QLatin1String("GetAttributeValue")) {
                const QString attribute = m.arguments().value(0).toString();
                reply = m.createReply(attribute == QLatin1String("DocURL") ? n.docUrl
                                      : attribute == QLatin1String("URI")  ? n.uri
                                                                           : QString());
            } else if (member == QLatin1String("GetExtents")) {
                QDBusArgument box;
                box.beginStructure();
                box << n.extents.x() << n.extents.y() << n.extents.width() << n.extents.height();
                box.endStructure();
                reply = m.createReply(QVariant::fromValue(box));
            } else if (member == QLatin1String("Get") && m.arguments().value(1) == QLatin1String("Name")) {
                reply = m.createReply(QVariant::fromValue(QDBusVariant(n.name)));
            } else {
                return false;
            }
            return true;
        });
    app->moveToThread(&m_server);
    QString busName;
    const QString connectionName = QStringLiteral("fake-app-%1").arg(++m_counter);
    onServer([&] {
        QDBusConnection connection = QDBusConnection::connectToBus(m_a11yAddress, connectionName);
        connection.registerVirtualObject(accessiblePrefix, app.get(), QDBusConnection::SubPath);
        busName = connection.baseService();
    });
    m_apps.insert(busName, app);
    m_trees.insert(busName, tree);
    m_appConnections.insert(busName, connectionName);
    if (registered) {
        QMutexLocker lock(&m_mutex);
        m_registered.append(busName);
    }
    return busName;
}

void FakeAtspi::removeApplication(const QString& busName)
{
    const QString connection = m_appConnections.take(busName);
    onServer([&] { QDBusConnection::disconnectFromBus(connection); });
    QMutexLocker lock(&m_mutex);
    m_registered.removeAll(busName);
}

void FakeAtspi::setNode(const QString& busName, const QString& node, const FakeNode& value)
{
    const std::shared_ptr<Tree> tree = m_trees.value(busName);
    if (!tree)
        return;
    QMutexLocker lock(&tree->mutex);
    tree->nodes.insert(node, value);
}

QStringList FakeAtspi::calls(const QString& busName) const
{
    const auto app = m_apps.value(busName);
    return app ? app->calls() : QStringList();
}

QSet<QString> FakeAtspi::callers(const QString& busName) const
{
    const auto app = m_apps.value(busName);
    return app ? app->callers() : QSet<QString>();
}

QStringList FakeAtspi::accessibilityBusNames() const
{
    QDBusConnection probe = QDBusConnection::connectToBus(m_a11yAddress, QStringLiteral("fake-names-probe"));
    const QStringList names = probe.interface()->registeredServiceNames().value();
    QDBusConnection::disconnectFromBus(QStringLiteral("fake-names-probe"));
    return names;
}
