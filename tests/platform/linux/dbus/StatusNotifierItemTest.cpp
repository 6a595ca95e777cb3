// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatusNotifierItem.h"
#include "DBusMenu.h"
#include "MockBus.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

using Host = StatusNotifierItem::Host;

// A host as dbusmock plays it: the service it owns, its object and interface.
struct HostService
{
    QString service;
    QString path;
    QString interface;
};
const HostService watcher{QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
                          QStringLiteral("org.kde.StatusNotifierWatcher")};
const HostService topBar{QStringLiteral("app.corvani.Horavane.Shell"), QStringLiteral("/app/corvani/Horavane/TopBar"),
                         QStringLiteral("app.corvani.Horavane.TopBar")};

// A host's click in a group of events, "(isvu)".
struct GroupClick
{
    int id = 0;
};

} // namespace

Q_DECLARE_METATYPE(GroupClick)

namespace {

QDBusArgument& operator<<(QDBusArgument& out, const GroupClick& click)
{
    out.beginStructure();
    out << click.id << QString("clicked") << QDBusVariant(0) << 0u;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, GroupClick&)
{
    return in; // only ever sent
}

class StatusNotifierItemTest : public MockBusTest
{
protected:
    // Like a real host, the mock takes the host's name only once it answers RegisterStatusNotifierItem; a busy
    // one refuses the first registration.
    void start(const HostService& host, bool busy = false)
    {
        const QString mock = host.service + QStringLiteral("Mock");
        ASSERT_NE(bus.startMock({mock, host.path, host.interface}, mock), 0);
        const QString refuseOnce = QStringLiteral("if not getattr(self, 'refused', False):\n"
                                                  "    self.refused = True\n"
                                                  "    raise dbus.exceptions.DBusException('busy')");
        for (const auto& [name, code] :
             {std::pair{QStringLiteral("RegisterStatusNotifierItem"), busy ? refuseOnce : QString()},
              std::pair{QStringLiteral("TakeName"),
                        QStringLiteral("self.hostName = dbus.service.BusName('%1', self.bus_name.get_bus())")
                            .arg(host.service)}}) {
            bus.addMethod(mock, host.path, host.interface, name,
                          name == QStringLiteral("TakeName") ? QString() : QStringLiteral("s"), QString(), code);
        }
        bus.call(mock, host.path, host.interface, QStringLiteral("TakeName"));
    }
    void stop(const HostService& host) { bus.stopMock(host.service + QStringLiteral("Mock")); }

    // The names of the items registered with a running host, in order.
    QStringList registered(const HostService& host)
    {
        QStringList names;
        for (const QVariantList& arguments :
             bus.receivedCalls(host.service, host.path, QStringLiteral("RegisterStatusNotifierItem")))
            names.append(arguments.value(0).toString());
        return names;
    }
    // A call to the item, which answers from this thread.
    QDBusMessage ask(const QString& service, const QString& path, const QString& interface, const QString& method,
                     const QVariantList& arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(arguments);
        const QDBusPendingCall call = bus.control().asyncCall(message);
        waitUntil([&] { return call.isFinished(); });
        return call.reply();
    }
    bool onBus(const QString& name) { return bus.control().interface()->isServiceRegistered(name).value(); }
};

} // namespace

TEST_F(StatusNotifierItemTest, RegistersWithWhicheverHostRunsPreferringTheTopBarAndShowsOnce)
{
    enum Action
    {
        startWatcher,
        stopWatcher,
        startTopBar,
        startBusyTopBar,
        stopTopBar,
    };
    struct Case
    {
        const char* name;
        std::vector<Action> steps;
        Host expected;
    };
    const Case cases[] = {
        {"no host yet", {}, Host::none},
        {"the watcher arrives after the item", {startWatcher}, Host::watcher},
        {"the watcher restarts", {startWatcher, stopWatcher, startWatcher}, Host::watcher},
        {"the watcher goes", {startWatcher, stopWatcher}, Host::none},
        {"the top bar arrives beside a watcher", {startWatcher, startTopBar}, Host::topBar},
        {"the watcher restarts beside the top bar",
         {startTopBar, startWatcher, stopWatcher, startWatcher},
         Host::topBar},
        {"the top bar goes, the watcher stays", {startWatcher, startTopBar, stopTopBar}, Host::watcher},
        {"the top bar does not answer at first", {startWatcher, startBusyTopBar}, Host::topBar},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StatusNotifierItem item(bus.connect(QString::fromLatin1(c.name)), "Horavane", "Horavane");
        QStringList watcherNames; // every name the item gave a watcher
        for (const Action step : c.steps) {
            switch (step) {
            case startWatcher:
                start(watcher);
                ASSERT_TRUE(waitUntil([&] { return onBus(topBar.service) || !registered(watcher).isEmpty(); }));
                break;
            case stopWatcher:
                stop(watcher);
                break;
            case startTopBar:
            case startBusyTopBar:
                start(topBar, step == startBusyTopBar);
                break;
            case stopTopBar:
                stop(topBar);
                break;
            }
            if (onBus(watcher.service))
                watcherNames += registered(watcher);
        }
        ASSERT_TRUE(waitUntil([&] { return item.host() == c.expected; })) << int(item.host());
        EXPECT_TRUE(onBus(item.serviceName()));
        if (c.expected != Host::none) {
            const HostService& host = c.expected == Host::topBar ? topBar : watcher;
            EXPECT_EQ(registered(host).value(registered(host).size() - 1), item.serviceName());
        }
        // Hosts that find items by themselves hide a passive one.
        EXPECT_EQ(ask(item.serviceName(), "/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                      {QString("org.kde.StatusNotifierItem"), QString("Status")})
                      .arguments()
                      .value(0)
                      .value<QDBusVariant>()
                      .variant()
                      .toString(),
                  c.expected == Host::topBar ? "Passive" : "Active");
        if (c.expected == Host::topBar) { // the watcher's panel drops an item whose name has gone
            for (const QString& name : std::as_const(watcherNames))
                EXPECT_FALSE(onBus(name)) << name.toStdString();
        }
        if (onBus(watcher.service))
            stop(watcher);
        if (onBus(topBar.service))
            stop(topBar);
    }
}

TEST_F(StatusNotifierItemTest, TheMenuListsTheCommandsAndAClickChoosesOne)
{
    StatusNotifierItem item(bus.connect(QStringLiteral("item")), "Horavane", "Horavane");
    item.setMenu({"Show History", "Settings…", "", "Quit_Now"});
    const QString menuPath = ask(item.serviceName(), "/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                                 {QString("org.kde.StatusNotifierItem"), QString("Menu")})
                                 .arguments()
                                 .value(0)
                                 .value<QDBusVariant>()
                                 .variant()
                                 .value<QDBusObjectPath>()
                                 .path();
    ASSERT_EQ(menuPath, DBusMenu::path);
    auto menu = [&](const QString& method, const QVariantList& arguments) {
        return ask(item.serviceName(), menuPath, "com.canonical.dbusmenu", method, arguments);
    };

    // The layout: the root, then each entry with its id and properties, in order.
    const QDBusMessage layout = menu("GetLayout", {0, -1, QStringList()});
    ASSERT_EQ(layout.type(), QDBusMessage::ReplyMessage) << layout.errorMessage().toStdString();
    const QDBusArgument root = layout.arguments().value(1).value<QDBusArgument>();
    int rootId = -1;
    QVariantMap rootProperties;
    root.beginStructure();
    root >> rootId >> rootProperties;
    QList<std::pair<int, QVariantMap>> entries;
    root.beginArray();
    while (!root.atEnd()) {
        QDBusVariant child;
        root >> child;
        const QDBusArgument entry = child.variant().value<QDBusArgument>();
        int id = 0;
        QVariantMap properties;
        entry.beginStructure();
        entry >> id >> properties;
        entry.endStructure();
        entries.append({id, properties});
    }
    root.endArray();
    root.endStructure();
    EXPECT_EQ(rootId, 0);
    EXPECT_EQ(rootProperties.value("children-display").toString(), "submenu");
    const QList<std::pair<int, QVariantMap>> expected = {
        {1, {{"label", "Show History"}, {"enabled", true}, {"visible", true}}},
        {2, {{"label", "Settings…"}, {"enabled", true}, {"visible", true}}},
        {3, {{"type", "separator"}}},
        {4, {{"label", "Quit__Now"}, {"enabled", true}, {"visible", true}}},
    };
    EXPECT_EQ(entries, expected);
    // Hosts that refresh entries ask for some of their properties.
    const QDBusArgument group = menu("GetGroupProperties", {QVariant::fromValue(QList<int>{4}), QStringList{"label"}})
                                    .arguments()
                                    .value(0)
                                    .value<QDBusArgument>();
    int id = 0;
    QVariantMap properties;
    group.beginArray();
    group.beginStructure();
    group >> id >> properties;
    group.endStructure();
    group.endArray();
    EXPECT_EQ(id, 4);
    EXPECT_EQ(properties, (QVariantMap{{"label", "Quit__Now"}})) << "only the properties asked for";

    struct Case
    {
        const char* name;
        QString method;
        QVariantList arguments;
        int chosen; // -1: none
    };
    const QVariant data = QVariant::fromValue(QDBusVariant(0));
    qDBusRegisterMetaType<GroupClick>();
    qDBusRegisterMetaType<QList<GroupClick>>();
    const Case cases[] = {
        {"a click on the first command", "Event", {1, QString("clicked"), data, 0u}, 0},
        {"a click on the last", "Event", {4, QString("clicked"), data, 0u}, 3},
        {"hovering is no choice", "Event", {2, QString("hovered"), data, 0u}, -1},
        {"a click on the separator", "Event", {3, QString("clicked"), data, 0u}, -1},
        {"a click in a group of events", "EventGroup", {QVariant::fromValue(QList<GroupClick>{{2}})}, 1},
        {"a click on no entry", "Event", {9, QString("clicked"), data, 0u}, -1},
        {"the menu opening", "AboutToShow", {0}, -1},
    };
    for (const Case& c : cases) {
        QSignalSpy chosen(&item, &StatusItem::menuChosen);
        EXPECT_EQ(menu(c.method, c.arguments).type(), QDBusMessage::ReplyMessage) << c.name;
        QCoreApplication::processEvents(); // the choice comes after the answer
        EXPECT_EQ(chosen.size(), c.chosen < 0 ? 0 : 1) << c.name;
        if (!chosen.isEmpty()) {
            EXPECT_EQ(chosen.constFirst().constFirst().toInt(), c.chosen) << c.name;
        }
    }
}
