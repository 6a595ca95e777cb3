// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplaySleepHolders.h"

#include "DBusCall.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QRegularExpression>
#include <memory>

namespace {

const QString gnomeSession = QStringLiteral("org.gnome.SessionManager");
const QString gnomeInhibitorInterface = QStringLiteral("org.gnome.SessionManager.Inhibitor");
constexpr uint gnomeInhibitIdle = 8;

// A pid-less hold is listed once; the presence rules never tie it to an application.
void add(QList<DisplaySleepHold>& holds, qint64 pid)
{
    const DisplaySleepHold hold{pid};
    if (!holds.contains(hold))
        holds.append(hold);
}

// Calls done with every call's answer, in order, once all have finished. Nothing is called once context is
// gone: the watchers die with it.
void whenAll(const QList<QDBusPendingCall>& calls, QObject* context,
             std::function<void(const QList<QDBusMessage>&)> done)
{
    if (calls.isEmpty()) {
        done({});
        return;
    }
    struct Pending
    {
        QList<QDBusPendingCall> calls;
        qsizetype left;
        std::function<void(const QList<QDBusMessage>&)> done;
    };
    auto pending = std::make_shared<Pending>(Pending{calls, calls.size(), std::move(done)});
    for (const QDBusPendingCall& call : calls) {
        auto* watcher = new QDBusPendingCallWatcher(call, context);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                         [pending](QDBusPendingCallWatcher* finished) {
                             finished->deleteLater();
                             if (--pending->left > 0)
                                 return;
                             QList<QDBusMessage> replies;
                             for (const QDBusPendingCall& each : pending->calls)
                                 replies.append(each.reply());
                             pending->done(replies);
                         });
    }
}

bool answered(const QDBusMessage& reply)
{
    return reply.type() == QDBusMessage::ReplyMessage;
}

// logind's a(ssssuu) list: what (colon-separated), who, why, mode, uid, pid.
void addLogindHolds(const QDBusMessage& reply, QList<DisplaySleepHold>& holds)
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

// The first step's questions, asked together: logind's, GNOME's and KDE's lists.
QList<QDBusPendingCall> askLists(const QDBusConnection& system, const QDBusConnection& session)
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

// Two questions per GNOME inhibitor: its flags and its application id.
QList<QDBusPendingCall> askInhibitors(const QDBusConnection& session, const QList<QString>& paths)
{
    QList<QDBusPendingCall> calls;
    for (const QString& path : paths) {
        const auto ask = [&](const QString& method) {
            return DBusCall::start(session, DBusCall::method(gnomeSession, path, gnomeInhibitorInterface, method));
        };
        calls.append(ask(QStringLiteral("GetFlags")));
        calls.append(ask(QStringLiteral("GetAppId")));
    }
    return calls;
}

// Bus names whose owners hold the display. GNOME keeps no pid for an inhibitor: an application id that
// is also the application's bus name (as GApplication ids are) leads to its process, any other hold is
// listed without one.
QStringList holdingNames(const QList<QDBusMessage>& answers, QList<DisplaySleepHold>& holds)
{
    QStringList names;
    for (qsizetype i = 0; i + 1 < answers.size(); i += 2) {
        const QVariant flags = DBusCall::firstArgument(answers.at(i));
        const QString appId = DBusCall::firstArgument(answers.at(i + 1)).toString();
        if (flags.metaType() != QMetaType::fromType<uint>() || (flags.toUInt() & gnomeInhibitIdle) == 0)
            continue;
        if (isBusName(appId))
            names.append(appId);
        else
            add(holds, 0);
    }
    return names;
}

QList<QDBusPendingCall> askOwners(const QDBusConnection& session, const QStringList& names)
{
    QList<QDBusPendingCall> calls;
    for (const QString& name : names)
        calls.append(DBusCall::start(session, DBusCall::ownerPid(name)));
    return calls;
}

void addOwners(const QList<QDBusMessage>& answers, QList<DisplaySleepHold>& holds)
{
    for (const QDBusMessage& answer : answers) {
        const QVariant pid = DBusCall::firstArgument(answer);
        add(holds, pid.metaType() == QMetaType::fromType<uint>() ? qint64(pid.toUInt()) : 0);
    }
}

} // namespace

void DisplaySleepHolders::read(const QDBusConnection& systemBus, const QDBusConnection& sessionBus, QObject* context,
                               std::function<void(std::optional<QList<DisplaySleepHold>>)> done)
{
    whenAll(askLists(systemBus, sessionBus), context,
            [sessionBus, context, done = std::move(done)](const QList<QDBusMessage>& lists) {
                const QDBusMessage& logind = lists.at(0);
                const QDBusMessage& gnome = lists.at(1);
                const QDBusMessage& kde = lists.at(2);
                if (!answered(logind) && !answered(gnome) && !answered(kde)) {
                    done(std::nullopt);
                    return;
                }
                auto holds = std::make_shared<QList<DisplaySleepHold>>();
                addLogindHolds(logind, *holds);
                // KDE tells only that something holds, not who.
                const QVariant kdeHolds = DBusCall::firstArgument(kde);
                if (kdeHolds.metaType() == QMetaType::fromType<bool>() && kdeHolds.toBool())
                    add(*holds, 0);
                whenAll(askInhibitors(sessionBus, objectPaths(gnome)), context,
                        [sessionBus, context, holds, done](const QList<QDBusMessage>& inhibitors) {
                            whenAll(askOwners(sessionBus, holdingNames(inhibitors, *holds)), context,
                                    [holds, done](const QList<QDBusMessage>& owners) {
                                        addOwners(owners, *holds);
                                        done(*holds);
                                    });
                        });
            });
}
