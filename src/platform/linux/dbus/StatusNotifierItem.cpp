#include "StatusNotifierItem.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString itemPath = QStringLiteral("/StatusNotifierItem");
constexpr int callTimeoutMs = 1000;

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
    }

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return m_item->id(); }
    QString title() const { return m_item->title(); }
    QString status() const { return QStringLiteral("Active"); }
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
    QDBusObjectPath menu() const { return QDBusObjectPath(QStringLiteral("/NO_DBUSMENU")); }
    QString label() const { return m_item->label(); }
    // The widest the label gets, so that panels keep its room steady as the minutes change.
    QString labelGuide() const { return QStringLiteral("88h 88m"); }

public slots:
    void Activate(int x, int y) { m_item->activate(x, y); }
    void SecondaryActivate(int x, int y) { m_item->activate(x, y); }
    void ContextMenu(int x, int y) { m_item->activate(x, y); }
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

std::unique_ptr<StatusNotifierItem> StatusNotifierItem::create(const QDBusConnection& bus, const QString& id,
                                                               const QString& title)
{
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(watcherService))
        return nullptr;
    std::unique_ptr<StatusNotifierItem> item(new StatusNotifierItem(bus, id, title));
    if (!item->registerWithWatcher())
        return nullptr;
    return item;
}

StatusNotifierItem::StatusNotifierItem(const QDBusConnection& bus, QString id, QString title)
    : m_bus(bus), m_id(std::move(id)), m_title(std::move(title))
{
    qDBusRegisterMetaType<SniPixmap>();
    qDBusRegisterMetaType<SniPixmaps>();
    qDBusRegisterMetaType<SniToolTip>();
    static int instances = 0;
    m_service =
        QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(QCoreApplication::applicationPid()).arg(++instances);
    new StatusNotifierAdaptor(this);
    m_bus.registerObject(itemPath, this, QDBusConnection::ExportAdaptors);
    m_bus.registerService(m_service);
    // A panel that restarts brings a new watcher, which knows nothing of items registered before.
    m_watcher = new QDBusServiceWatcher(watcherService, m_bus, QDBusServiceWatcher::WatchForRegistration, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] { registerWithWatcher(); });
}

StatusNotifierItem::~StatusNotifierItem()
{
    m_bus.unregisterObject(itemPath);
    m_bus.unregisterService(m_service);
}

bool StatusNotifierItem::registerWithWatcher()
{
    QDBusMessage call = QDBusMessage::createMethodCall(watcherService, watcherPath, watcherService,
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << m_service;
    return m_bus.call(call, QDBus::Block, callTimeoutMs).type() == QDBusMessage::ReplyMessage;
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

void StatusNotifierItem::activate(int x, int y)
{
    emit activated(QPoint(x, y));
}

#include "StatusNotifierItem.moc"
