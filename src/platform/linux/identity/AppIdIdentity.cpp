// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppIdIdentity.h"

#include "AppIdentity.h"
#include "DesktopEntries.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <unistd.h>

namespace {

constexpr qsizetype commLength = 15;
constexpr qint64 reindexAfterMs = 60 * 1000;

QString readComm(const QString& procRoot, const QString& pid)
{
    QFile file(procRoot + u'/' + pid + QStringLiteral("/comm"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(256)).trimmed();
}

// The parent pid from /proc/PID/stat, whose second field (the name in parentheses) may hold spaces.
QString readParent(const QString& procRoot, const QString& pid)
{
    QFile file(procRoot + u'/' + pid + QStringLiteral("/stat"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray stat = file.read(1024);
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 1 ? QString::fromLatin1(fields[1]) : QString();
}

QString withoutDesktopSuffix(QString id)
{
    if (id.endsWith(QStringLiteral(".desktop")))
        id.chop(8);
    return id.trimmed();
}

} // namespace

std::optional<RunningApp> AppIdIdentity::resolve(const QString& appId, qint64 pid, const DesktopEntries& entries,
                                                 const QString& procRoot)
{
    const QString id = withoutDesktopSuffix(appId);
    WindowFacts facts;
    facts.instance = id; // an app id that is no desktop id is matched like a window class
    facts.windowClass = id;
    facts.pid = pid > 0 ? pid : 0;
    if (facts.pid > 0)
        AppIdentity::readProcess(facts, procRoot);
    if (!id.isEmpty() && entries.find(id))
        facts.gtkApplicationId = id; // names its desktop entry exactly, as GTK's application id does on X
    std::optional<RunningApp> app = AppIdentity::resolve(facts, entries);
    if (app && app->pid <= 0) {
        const DesktopEntry* entry = entries.find(app->desktopId);
        app->pid = processOf(entry && !entry->program.isEmpty() ? entry->program : id, procRoot);
    }
    return app;
}

qint64 AppIdIdentity::processOf(const QString& program, const QString& procRoot)
{
    if (program.isEmpty())
        return 0;
    const QString comm = program.left(commLength);
    QHash<QString, QString> parents; // pid → parent pid, of the processes that run the program
    const QStringList pids = QDir(procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    const uint user = ::getuid();
    for (const QString& pid : pids) {
        // Another user's copy of the program (a second session on the machine) is not this user's window.
        if (pid.isEmpty() || !pid.front().isDigit() || QFileInfo(procRoot + u'/' + pid).ownerId() != user ||
            readComm(procRoot, pid) != comm)
            continue;
        parents.insert(pid, readParent(procRoot, pid));
    }
    qint64 first = 0;
    for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
        const qint64 pid = it.key().toLongLong();
        if (!parents.contains(it.value()) && (first == 0 || pid < first))
            first = pid;
    }
    return first;
}

QString AppIdApplications::ownIdentifier()
{
    return QStringLiteral("app.corvani.Horavane");
}

QString AppIdApplications::ownProcessName()
{
    if (QCoreApplication::instance() && !QCoreApplication::applicationName().isEmpty())
        return QCoreApplication::applicationName();
    QFile comm(QStringLiteral("/proc/self/comm"));
    return comm.open(QIODevice::ReadOnly) ? QString::fromUtf8(comm.readAll()).trimmed() : QString();
}

RunningApp AppIdApplications::own()
{
    return RunningApp{ownIdentifier(), ownProcessName(), QCoreApplication::applicationPid()};
}

std::optional<RunningApp> AppIdApplications::describe(const QString& appId, qint64 pid)
{
    if (pid == QCoreApplication::applicationPid() || (pid <= 0 && withoutDesktopSuffix(appId) == ownIdentifier()))
        return own();
    return describe([&](const DesktopEntries& entries) { return AppIdIdentity::resolve(appId, pid, entries); });
}

std::optional<RunningApp>
AppIdApplications::describe(const std::function<std::optional<RunningApp>(const DesktopEntries&)>& resolve)
{
    if (!m_entries)
        index();
    std::optional<RunningApp> app = resolve(*m_entries);
    if (app && !m_entries->find(app->desktopId) && m_indexed.hasExpired(reindexAfterMs)) {
        index();
        app = resolve(*m_entries);
    }
    return app;
}

void AppIdApplications::index()
{
    m_entries = DesktopEntries::load(DesktopEntries::standardFolders(), NameLocale::fromEnvironment());
    m_indexed.start();
}
