#include "DisplaySleepHolders.h"

#include "DBusCall.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QRegularExpression>

namespace {

const QString gnomeSession = QStringLiteral("org.gnome.SessionManager");
const QString gnomeInhibitorInterface = QStringLiteral("org.gnome.SessionManager.Inhibitor");
constexpr uint gnomeInhibitIdle = 8;

// A pid-less hold is listed once; the presence rules never tie it to an application.
void add(QList<PowerAssertion>& holds, qint64 pid)
{
    const PowerAssertion hold{pid, QString::fromLatin1(DisplaySleepHolders::holdType)};
    if (!holds.contains(hold))
        holds.append(hold);
}

QDBusMessage finished(QDBusPendingCall& call)
{
    call.waitForFinished();
    return call.reply();
}

bool answered(const QDBusMessage& reply)
{
    return reply.type() == QDBusMessage::ReplyMessage;
}

// logind's a(ssssuu) list: what (colon-separated), who, why, mode, uid, pid.
void addLogindHolds(const QDBusMessage& reply, QList<PowerAssertion>& holds)
{
    const QVariant list = DBusCall::firstArgument(reply);
    if (list.metaType() != QMetaType::fromType<QDBusArgument>())
        return;
    const QDBusArgument argument = list.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("a(ssssuu)"))
        return;
    argument.beginArray();
    while (!argument.atEnd()) {
        QString what, who, why, mode;
        uint uid = 0, pid = 0;
        argument.beginStructure();
        argument >> what >> who >> why >> mode >> uid >> pid;
        argument.endStructure();
        if (what.split(QLatin1Char(':')).contains(QLatin1String("idle")))
            add(holds, pid);
    }
    argument.endArray();
}

QList<QString> objectPaths(const QDBusMessage& reply)
{
    const QVariant list = DBusCall::firstArgument(reply);
    if (list.metaType() != QMetaType::fromType<QDBusArgument>())
        return {};
    const QDBusArgument argument = list.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("ao"))
        return {};
    QList<QString> paths;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusObjectPath path;
        argument >> path;
        paths.append(path.path());
    }
    argument.endArray();
    return paths;
}

// A well-known bus name: two or more dot-separated elements of letters, digits, '_' and '-', not
// starting with a digit.
bool isBusName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_-][A-Za-z0-9_-]*(\\.[A-Za-z_-][A-Za-z0-9_-]*)+$"));
    return name.size() <= 255 && pattern.match(name).hasMatch();
}

// The first step's questions, asked together.
struct Lists
{
    QDBusPendingCall logind, gnome, kde;
};

Lists askLists(const QDBusConnection& system, const QDBusConnection& session)
{
    return {
        DBusCall::start(system, DBusCall::method(QStringLiteral("org.freedesktop.login1"),
                                                 QStringLiteral("/org/freedesktop/login1"),
                                                 QStringLiteral("org.freedesktop.login1.Manager"),
                                                 QStringLiteral("ListInhibitors"))),
        DBusCall::start(session, DBusCall::method(gnomeSession, QStringLiteral("/org/gnome/SessionManager"),
                                                  gnomeSession, QStringLiteral("GetInhibitors"))),
        DBusCall::start(session, DBusCall::method(QStringLiteral("org.freedesktop.PowerManagement"),
                                                  QStringLiteral("/org/freedesktop/PowerManagement/Inhibit"),
                                                  QStringLiteral("org.freedesktop.PowerManagement.Inhibit"),
                                                  QStringLiteral("HasInhibit"))),
    };
}

struct Inhibitor
{
    QDBusPendingCall flags, appId;
};

QList<Inhibitor> askInhibitors(const QDBusConnection& session, const QList<QString>& paths)
{
    QList<Inhibitor> inhibitors;
    for (const QString& path : paths) {
        const auto ask = [&](const QString& method) {
            return DBusCall::start(session, DBusCall::method(gnomeSession, path, gnomeInhibitorInterface, method));
        };
        inhibitors.append({ask(QStringLiteral("GetFlags")), ask(QStringLiteral("GetAppId"))});
    }
    return inhibitors;
}

// Bus names whose owners hold the display. GNOME keeps no pid for an inhibitor: an application id that
// is also the application's bus name (as GApplication ids are) leads to its process, any other hold is
// listed without one.
QStringList holdingNames(QList<Inhibitor>& inhibitors, QList<PowerAssertion>& holds)
{
    QStringList names;
    for (Inhibitor& inhibitor : inhibitors) {
        const QVariant flags = DBusCall::firstArgument(finished(inhibitor.flags));
        const QString appId = DBusCall::firstArgument(finished(inhibitor.appId)).toString();
        if (flags.metaType() != QMetaType::fromType<uint>() || (flags.toUInt() & gnomeInhibitIdle) == 0)
            continue;
        if (isBusName(appId))
            names.append(appId);
        else
            add(holds, 0);
    }
    return names;
}

void addOwners(const QDBusConnection& session, const QStringList& names, QList<PowerAssertion>& holds)
{
    QList<QDBusPendingCall> pids;
    for (const QString& name : names)
        pids.append(DBusCall::start(session, DBusCall::ownerPid(name)));
    for (QDBusPendingCall& call : pids) {
        const QVariant pid = DBusCall::firstArgument(finished(call));
        add(holds, pid.metaType() == QMetaType::fromType<uint>() ? qint64(pid.toUInt()) : 0);
    }
}

} // namespace

std::optional<QList<PowerAssertion>> DisplaySleepHolders::read(const QDBusConnection& systemBus,
                                                               const QDBusConnection& sessionBus)
{
    Lists lists = askLists(systemBus, sessionBus);
    const QDBusMessage logind = finished(lists.logind);
    const QDBusMessage gnome = finished(lists.gnome);
    const QDBusMessage kde = finished(lists.kde);
    if (!answered(logind) && !answered(gnome) && !answered(kde))
        return std::nullopt;

    QList<PowerAssertion> holds;
    addLogindHolds(logind, holds);
    // KDE tells only that something holds, not who.
    const QVariant kdeHolds = DBusCall::firstArgument(kde);
    if (kdeHolds.metaType() == QMetaType::fromType<bool>() && kdeHolds.toBool())
        add(holds, 0);

    QList<Inhibitor> inhibitors = askInhibitors(sessionBus, objectPaths(gnome));
    addOwners(sessionBus, holdingNames(inhibitors, holds), holds);
    return holds;
}
