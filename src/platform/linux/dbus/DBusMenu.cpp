// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DBusMenu.h"

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusVariant>

const QString DBusMenu::path = QStringLiteral("/MenuBar");

namespace {

// The protocol's structures: an entry with its children "(ia{sv}av)", an entry's properties "(ia{sv})"
// and one event of a group "(isvu)".
struct MenuLayout
{
    int id = 0;
    QVariantMap properties;
    QList<MenuLayout> children;
};
struct MenuProperties
{
    int id = 0;
    QVariantMap properties;
};
using MenuPropertiesList = QList<MenuProperties>;
struct MenuEvent
{
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using MenuEvents = QList<MenuEvent>;

} // namespace

Q_DECLARE_METATYPE(MenuLayout)
Q_DECLARE_METATYPE(MenuProperties)
Q_DECLARE_METATYPE(MenuEvent)

namespace {

QDBusArgument& operator<<(QDBusArgument& out, const MenuLayout& item)
{
    out.beginStructure();
    out << item.id << item.properties;
    out.beginArray(qMetaTypeId<QDBusVariant>());
    for (const MenuLayout& child : item.children)
        out << QDBusVariant(QVariant::fromValue(child));
    out.endArray();
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, MenuLayout& item)
{
    in.beginStructure();
    in >> item.id >> item.properties;
    in.beginArray();
    while (!in.atEnd()) {
        QDBusVariant child;
        in >> child;
        MenuLayout layout;
        child.variant().value<QDBusArgument>() >> layout;
        item.children.append(layout);
    }
    in.endArray();
    in.endStructure();
    return in;
}

QDBusArgument& operator<<(QDBusArgument& out, const MenuProperties& item)
{
    out.beginStructure();
    out << item.id << item.properties;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, MenuProperties& item)
{
    in.beginStructure();
    in >> item.id >> item.properties;
    in.endStructure();
    return in;
}

QDBusArgument& operator<<(QDBusArgument& out, const MenuEvent& event)
{
    out.beginStructure();
    out << event.id << event.eventId << event.data << event.timestamp;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, MenuEvent& event)
{
    in.beginStructure();
    in >> event.id >> event.eventId >> event.data >> event.timestamp;
    in.endStructure();
    return in;
}

// Only the properties asked for; all of them when none are named.
QVariantMap filtered(const QVariantMap& properties, const QStringList& names)
{
    if (names.isEmpty())
        return properties;
    QVariantMap kept;
    for (const QString& name : names)
        if (properties.contains(name))
            kept.insert(name, properties.value(name));
    return kept;
}

} // namespace

// The com.canonical.dbusmenu interface of one menu; the menu keeps the entries.
class DBusMenuAdaptor final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    explicit DBusMenuAdaptor(DBusMenu* menu) : QDBusAbstractAdaptor(menu), m_menu(menu)
    {
        connect(menu, &DBusMenu::layoutChanged, this, [this] { emit LayoutUpdated(m_menu->revision(), 0); });
    }

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames, MenuLayout& layout)
    {
        layout = MenuLayout{parentId, filtered(properties(parentId), propertyNames), {}};
        if (parentId == 0 && recursionDepth != 0) {
            for (int id = 1; id <= m_menu->titles().size(); ++id)
                layout.children.append(MenuLayout{id, filtered(properties(id), propertyNames), {}});
        }
        return m_menu->revision();
    }

    MenuPropertiesList GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames)
    {
        MenuPropertiesList found;
        for (const int id : ids)
            if (known(id))
                found.append(MenuProperties{id, filtered(properties(id), propertyNames)});
        return found;
    }

    QDBusVariant GetProperty(int id, const QString& name) { return QDBusVariant(properties(id).value(name)); }

    void Event(int id, const QString& eventId, const QDBusVariant&, uint)
    {
        if (eventId == QLatin1String("clicked"))
            m_menu->click(id);
    }

    QList<int> EventGroup(const MenuEvents& events)
    {
        QList<int> unknown;
        for (const MenuEvent& event : events) {
            if (!known(event.id))
                unknown.append(event.id);
            else if (event.eventId == QLatin1String("clicked"))
                m_menu->click(event.id);
        }
        return unknown;
    }

    // The entries never change as the menu opens.
    bool AboutToShow(int) { return false; }
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& unknown)
    {
        for (const int id : ids)
            if (!known(id))
                unknown.append(id);
        return {};
    }

signals:
    // The entries' texts never change alone: a new list of commands is a new layout.
    void LayoutUpdated(uint revision, int parent);

private:
    bool known(int id) const { return id >= 0 && id <= m_menu->titles().size(); }

    QVariantMap properties(int id) const
    {
        if (id == 0)
            return {{QStringLiteral("children-display"), QStringLiteral("submenu")}};
        if (!known(id))
            return {};
        const QString& title = m_menu->titles().at(id - 1);
        if (title.isEmpty())
            return {{QStringLiteral("type"), QStringLiteral("separator")}};
        // An underscore marks the access key in this protocol; a literal one is doubled.
        QString label = title;
        label.replace(QLatin1Char('_'), QStringLiteral("__"));
        return {{QStringLiteral("label"), label}, {QStringLiteral("enabled"), true}, {QStringLiteral("visible"), true}};
    }

    DBusMenu* m_menu;
};

DBusMenu::DBusMenu(const QDBusConnection& bus, QObject* parent) : QObject(parent), m_bus(bus)
{
    qDBusRegisterMetaType<MenuLayout>();
    qDBusRegisterMetaType<MenuProperties>();
    qDBusRegisterMetaType<MenuPropertiesList>();
    qRegisterMetaType<MenuPropertiesList>("MenuPropertiesList"); // the names the interface's methods use
    qDBusRegisterMetaType<MenuEvent>();
    qDBusRegisterMetaType<MenuEvents>();
    qRegisterMetaType<MenuEvents>("MenuEvents");
    new DBusMenuAdaptor(this);
    m_bus.registerObject(path, this, QDBusConnection::ExportAdaptors);
}

DBusMenu::~DBusMenu()
{
    m_bus.unregisterObject(path);
}

void DBusMenu::setTitles(const QStringList& titles)
{
    if (titles == m_titles)
        return;
    m_titles = titles;
    ++m_revision;
    emit layoutChanged();
}

void DBusMenu::click(int id)
{
    if (id < 1 || id > m_titles.size() || m_titles.at(id - 1).isEmpty())
        return;
    // After the answer to the host, so that a command which opens a window or quits does so outside the call.
    QMetaObject::invokeMethod(
        this, [this, index = id - 1] { emit chosen(index); }, Qt::QueuedConnection);
}

#include "DBusMenu.moc"
