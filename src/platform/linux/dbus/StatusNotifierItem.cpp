// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatusNotifierItem.h"

#include "DBusMenu.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString itemPath = QStringLiteral("/StatusNotifierItem");
// Horavane's GNOME Shell extension, which shows the item as a button of the top bar.
const QString topBarService = QStringLiteral("app.corvani.Horavane.Shell");
const QString topBarPath = QStringLiteral("/app/corvani/Horavane/TopBar");
const QString topBarInterface = QStringLiteral("app.corvani.Horavane.TopBar");
constexpr int callTimeoutMs = 1000;
// A shell busy enabling its extensions may not answer at once: the top bar is asked again after a second, then
// after twice as long each time, up to a minute.
constexpr int firstTopBarRetryMs = 1000;
constexpr int longestTopBarRetryMs = 60 * 1000;

// The interface's own structures: an icon size "(iiay)" and the tool tip "(sa(iiay)ss)".
struct SniPixmap
{
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using SniPixmaps = QList<SniPixmap>;
struct SniToolTip
{
    QString iconName;
    SniPixmaps icons;
    QString title;
    QString text;
};

} // namespace

Q_DECLARE_METATYPE(SniPixmap)
Q_DECLARE_METATYPE(SniToolTip)

namespace {

QDBusArgument& operator<<(QDBusArgument& out, const SniPixmap& pixmap)
{
    out.beginStructure();
    out << pixmap.width << pixmap.height << pixmap.argb;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, SniPixmap& pixmap)
{
    in.beginStructure();
    in >> pixmap.width >> pixmap.height >> pixmap.argb;
    in.endStructure();
    return in;
}

QDBusArgument& operator<<(QDBusArgument& out, const SniToolTip& tip)
{
    out.beginStructure();
    out << tip.iconName << tip.icons << tip.title << tip.text;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, SniToolTip& tip)
{
    in.beginStructure();
    in >> tip.iconName >> tip.icons >> tip.title >> tip.text;
    in.endStructure();
    return in;
}

} // namespace

// The org.kde.StatusNotifierItem interface of one item; the item keeps the state.
class StatusNotifierAdaptor final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(SniPixmaps IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ iconName)
    Q_PROPERTY(QString AttentionIconName READ iconName)
    Q_PROPERTY(SniToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString XAyatanaLabel READ label)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide)

public:
    explicit StatusNotifierAdaptor(StatusNotifierItem* item) : QDBusAbstractAdaptor(item), m_item(item)
    {
        connect(item, &StatusNotifierItem::iconsChanged, this, &StatusNotifierAdaptor::NewIcon);
        connect(item, &StatusNotifierItem::toolTipChanged, this, &StatusNotifierAdaptor::NewToolTip);
        connect(item, &StatusNotifierItem::labelChanged, this,
                [this](const QString& label) { emit XAyatanaNewLabel(label, labelGuide()); });
        connect(item, &StatusItem::hostChanged, this, [this] { emit NewStatus(status()); });
    }

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return m_item->id(); }
    QString title() const { return m_item->title(); }
    // Passive while the top bar shows the item: other hosts (the AppIndicator extension finds items on the bus
    // by itself) then hide it, so that it shows once.
    QString status() const
    {
        return m_item->host() == StatusNotifierItem::Host::topBar ? QStringLiteral("Passive")
                                                                  : QStringLiteral("Active");
    }
    int windowId() const { return 0; }
    QString iconName() const { return {}; }
    SniPixmaps iconPixmap() const
    {
        SniPixmaps pixmaps;
        for (const StatusItem::Pixmap& pixmap : m_item->icons())
            pixmaps.append(SniPixmap{pixmap.width, pixmap.height, pixmap.argb});
        return pixmaps;
    }
    SniToolTip toolTip() const { return SniToolTip{{}, {}, m_item->toolTipTitle(), m_item->toolTipText()}; }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return QDBusObjectPath(DBusMenu::path); }
    QString label() const { return m_item->label(); }
    // The widest the label gets, so that panels keep its room steady as the minutes change.
    QString labelGuide() const { return QStringLiteral("88h 88m"); }

public slots:
    void Activate(int x, int y) { m_item->activate(x, y); }
    void SecondaryActivate(int x, int y) { m_item->activate(x, y); }
    void ContextMenu(int x, int y) { m_item->activate(x, y); } // hosts that ask for this show the menu themselves
    void Scroll(int, const QString&) {}

signals:
    void NewIcon();
    void NewToolTip();
    void NewTitle();
    void NewStatus(const QString& status);
    void XAyatanaNewLabel(const QString& label, const QString& guide);

private:
    StatusNotifierItem* m_item;
};

StatusNotifierItem::StatusNotifierItem(const QDBusConnection& bus, QString id, QString title, QObject* parent)
    : StatusItem(parent), m_bus(bus), m_id(std::move(id)), m_title(std::move(title)), m_menu(new DBusMenu(bus, this))
{
    qDBusRegisterMetaType<SniPixmap>();
    qDBusRegisterMetaType<SniPixmaps>();
    qDBusRegisterMetaType<SniToolTip>();
    connect(m_menu, &DBusMenu::chosen, this, &StatusItem::menuChosen);
    new StatusNotifierAdaptor(this);
    m_bus.registerObject(itemPath, this, QDBusConnection::ExportAdaptors);
    m_service = newName();
    m_bus.registerService(m_service);
    // Hosts come and go: a panel that restarts brings a new watcher, which knows nothing of items registered
    // before, and the extension starts when it is enabled, or at the next log-in.
    auto* hosts = new QDBusServiceWatcher(this);
    hosts->setConnection(m_bus);
    hosts->setWatchedServices({watcherService, topBarService});
    connect(hosts, &QDBusServiceWatcher::serviceOwnerChanged, this, &StatusNotifierItem::findHost);
    m_topBarRetry = new QTimer(this);
    m_topBarRetry->setSingleShot(true);
    m_topBarRetryMs = firstTopBarRetryMs;
    connect(m_topBarRetry, &QTimer::timeout, this, &StatusNotifierItem::findHost);
    findHost();
}

StatusNotifierItem::~StatusNotifierItem()
{
    m_bus.unregisterObject(itemPath);
    m_bus.unregisterService(m_service);
}

void StatusNotifierItem::findHost()
{
    const Host before = m_host;
    QDBusConnectionInterface* bus = m_bus.interface();
    auto runs = [bus](const QString& service) { return bus && bus->isServiceRegistered(service).value(); };
    m_host = Host::none;
    const bool topBarRuns = runs(topBarService);
    if (topBarRuns && (before == Host::topBar || moveToTopBar(before == Host::watcher)))
        m_host = Host::topBar; // when it was there, it only lost the watcher beside it
    if (m_host == Host::none && runs(watcherService) && registerWith(watcherService, watcherPath, watcherService))
        m_host = Host::watcher;
    // Until the top bar takes the item, it stays with the watcher, if any, and the top bar is asked again.
    if (topBarRuns && m_host != Host::topBar) {
        m_topBarRetry->start(m_topBarRetryMs);
        m_topBarRetryMs = std::min(2 * m_topBarRetryMs, longestTopBarRetryMs);
    } else {
        m_topBarRetry->stop();
        m_topBarRetryMs = firstTopBarRetryMs;
    }
    if (m_host != before)
        emit hostChanged();
}

bool StatusNotifierItem::registerWith(const QString& service, const QString& path, const QString& interface)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("RegisterStatusNotifierItem"));
    call << m_service;
    return m_bus.call(call, QDBus::Block, callTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

bool StatusNotifierItem::moveToTopBar(bool leavesWatcher)
{
    if (!leavesWatcher)
        return registerWith(topBarService, topBarPath, topBarInterface);
    // The watcher lets go of the old name only once the top bar has the item under the new one.
    const QString old = std::exchange(m_service, newName());
    m_bus.registerService(m_service);
    if (registerWith(topBarService, topBarPath, topBarInterface)) {
        m_bus.unregisterService(old);
        return true;
    }
    m_bus.unregisterService(m_service);
    m_service = old;
    return false;
}

QString StatusNotifierItem::newName()
{
    static int names = 0;
    return QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(QCoreApplication::applicationPid()).arg(++names);
}

void StatusNotifierItem::setIcons(const QList<Pixmap>& pixmaps)
{
    if (pixmaps == m_icons)
        return;
    m_icons = pixmaps;
    emit iconsChanged();
}

void StatusNotifierItem::setLabel(const QString& label)
{
    if (label == m_label)
        return;
    m_label = label;
    emit labelChanged(label);
}

void StatusNotifierItem::setToolTip(const QString& title, const QString& text)
{
    if (title == m_toolTipTitle && text == m_toolTipText)
        return;
    m_toolTipTitle = title;
    m_toolTipText = text;
    emit toolTipChanged();
}

void StatusNotifierItem::setMenu(const QStringList& titles)
{
    m_menu->setTitles(titles);
}

void StatusNotifierItem::activate(int x, int y)
{
    emit activated(QPoint(x, y));
}

#include "StatusNotifierItem.moc"
