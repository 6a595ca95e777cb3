// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppIdentity.h"

#include "DesktopEntries.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// Files under /proc report a size of 0, so reads are bounded instead; these are all tiny.
constexpr qint64 largestProcFile = 64 * 1024;

QByteArray readSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(largestProcFile);
}

bool sameText(const QString& a, const QString& b)
{
    return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// The unit path of the systemd hierarchy: the v2 line "0::/…", else the v1 "name=systemd" line.
QString unitPath(const QString& cgroupText)
{
    QString v1;
    for (const QString& line : cgroupText.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(QStringLiteral("0::")))
            return line.mid(3);
        const QStringList fields = line.split(u':');
        if (fields.size() >= 3 && fields[1] == u"name=systemd")
            v1 = fields.mid(2).join(u':');
    }
    return v1;
}

// systemd writes characters that would be ambiguous in a unit name as "\xNN" ('-' as "\x2d").
QString unescapeUnit(const QString& text)
{
    QByteArray bytes;
    const QByteArray utf8 = text.toUtf8();
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        bool ok = false;
        if (utf8[i] == '\\' && i + 3 < utf8.size() && utf8[i + 1] == 'x') {
            const int value = utf8.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                bytes.append(char(value));
                i += 3;
                continue;
            }
        }
        bytes.append(utf8[i]);
    }
    return QString::fromUtf8(bytes);
}

// Removes the launch-instance suffix of a scope ("-34054", "-<uuid>") and returns what is left.
QString withoutInstance(const QString& name)
{
    static const QRegularExpression uuid(
        QStringLiteral("-[0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}$"));
    const QRegularExpressionMatch match = uuid.match(name);
    if (match.hasMatch())
        return name.left(match.capturedStart());
    const qsizetype dash = name.lastIndexOf(u'-');
    return dash > 0 ? name.left(dash) : name;
}

std::optional<ScopeApp> snapUnit(const QString& unit)
{
    // snap.<name>.<app>-<uuid>.scope
    const QString body = withoutInstance(unit.chopped(6).mid(5));
    const qsizetype dot = body.indexOf(u'.');
    if (dot <= 0 || dot + 1 == body.size())
        return std::nullopt;
    return ScopeApp{ScopeApp::Kind::snap, {body.left(dot) + u'_' + body.mid(dot + 1)}};
}

std::optional<ScopeApp> appUnit(const QString& unit)
{
    // app[-<launcher>]-<id>[@<instance>].service or app[-<launcher>]-<id>-<instance>.scope
    QString body;
    if (unit.endsWith(QStringLiteral(".scope"))) {
        body = withoutInstance(unit.chopped(6).mid(4));
    } else {
        body = unit.chopped(8).mid(4);
        const qsizetype at = body.indexOf(u'@');
        if (at >= 0)
            body.truncate(at);
    }
    QStringList parts = body.split(u'-', Qt::SkipEmptyParts);
    for (QString& part : parts)
        part = unescapeUnit(part);
    if (parts.isEmpty())
        return std::nullopt;
    if (parts.size() >= 2 && parts.first() == u"flatpak")
        return ScopeApp{ScopeApp::Kind::flatpak, {parts.mid(1).join(u'-')}};
    ScopeApp app;
    if (parts.size() >= 2)
        app.ids.append(parts.mid(1).join(u'-')); // after a launcher name ("gnome", "kde")
    app.ids.append(parts.join(u'-'));            // launchers that name none
    return app;
}

std::optional<ScopeApp> unitApp(const QString& unit)
{
    if (unit.startsWith(QStringLiteral("snap.")) && unit.endsWith(QStringLiteral(".scope")))
        return snapUnit(unit);
    if (unit.startsWith(QStringLiteral("app-")) &&
        (unit.endsWith(QStringLiteral(".scope")) || unit.endsWith(QStringLiteral(".service"))))
        return appUnit(unit);
    return std::nullopt;
}

// Whether a desktop entry plausibly drew this window. A process started from a terminal lives in the
// terminal's scope, so the scope's entry must be confirmed by the window or the process itself.
bool agrees(const DesktopEntry& entry, const WindowFacts& facts)
{
    if (!entry.startupWMClass.isEmpty())
        return sameText(entry.startupWMClass, facts.windowClass) || sameText(entry.startupWMClass, facts.instance);
    if (sameText(entry.id, facts.windowClass) || sameText(entry.id, facts.instance) ||
        sameText(entry.name, facts.windowClass))
        return true;
    // comm holds at most 15 bytes of the program's name.
    return !entry.program.isEmpty() && (sameText(entry.program, facts.instance) ||
                                        (!facts.command.isEmpty() && entry.program.left(15) == facts.command));
}

RunningApp named(const QString& id, const DesktopEntry* entry, const WindowFacts& facts)
{
    QString name = entry ? entry->name : QString();
    if (name.isEmpty())
        name = facts.windowClass;
    if (name.isEmpty())
        name = id;
    return RunningApp{id, name, facts.pid};
}

QString withoutDesktopSuffix(QString id)
{
    id = id.mid(id.lastIndexOf(u'/') + 1);
    if (id.endsWith(QStringLiteral(".desktop")))
        id.chop(8);
    return id.trimmed();
}

// The sandbox or scope the process runs in, when that alone names the application.
std::optional<QString> containerId(const WindowFacts& facts, const std::optional<ScopeApp>& scope)
{
    if (!facts.flatpakId.isEmpty())
        return facts.flatpakId;
    if (scope && scope->kind != ScopeApp::Kind::desktop)
        return scope->ids.first();
    return std::nullopt;
}

} // namespace

QString AppIdentity::propertyText(QByteArray bytes, bool utf8)
{
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    return utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

void AppIdentity::readWindowClass(WindowFacts& facts, const QByteArray& wmClass)
{
    const QList<QByteArray> parts = wmClass.split('\0');
    facts.instance = QString::fromLatin1(parts.value(0));
    facts.windowClass = QString::fromLatin1(parts.value(1));
}

std::optional<ScopeApp> AppIdentity::scopeApp(const QString& cgroupText)
{
    const QStringList units = unitPath(cgroupText).trimmed().split(u'/', Qt::SkipEmptyParts);
    // The deepest unit decides: an application may run in a sub-group of its own unit.
    for (auto it = units.crbegin(); it != units.crend(); ++it) {
        if (std::optional<ScopeApp> app = unitApp(*it))
            return app;
    }
    return std::nullopt;
}

QString AppIdentity::flatpakId(const QByteArray& infoText)
{
    bool inApplication = false;
    for (const QByteArray& raw : infoText.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            inApplication = line == "[Application]";
        } else if (inApplication && line.startsWith("name=")) {
            return QString::fromUtf8(line.mid(5)).trimmed();
        }
    }
    return {};
}

void AppIdentity::readProcess(WindowFacts& facts, const QString& procRoot)
{
    if (facts.pid <= 0)
        return;
    const QString folder = procRoot + u'/' + QString::number(facts.pid) + u'/';
    facts.cgroup = QString::fromUtf8(readSmallFile(folder + QStringLiteral("cgroup")));
    facts.command = QString::fromUtf8(readSmallFile(folder + QStringLiteral("comm"))).trimmed();
    facts.flatpakId = flatpakId(readSmallFile(folder + QStringLiteral("root/.flatpak-info")));
}

std::optional<RunningApp> AppIdentity::resolve(const WindowFacts& facts, const DesktopEntries& entries)
{
    for (const QString& property : {facts.gtkApplicationId, facts.kdeDesktopFile}) {
        const QString id = withoutDesktopSuffix(property);
        if (!id.isEmpty())
            return named(id, entries.find(id), facts);
    }
    const std::optional<ScopeApp> scope = scopeApp(facts.cgroup);
    if (const std::optional<QString> id = containerId(facts, scope))
        return named(*id, entries.find(*id), facts);
    if (scope) {
        for (const QString& id : scope->ids) {
            const DesktopEntry* entry = entries.find(id);
            if (entry && agrees(*entry, facts))
                return named(entry->id, entry, facts);
        }
    }
    if (const DesktopEntry* entry = entries.matchWindowClass(facts.instance, facts.windowClass))
        return named(entry->id, entry, facts);
    // No entry: the class itself is the stable name the program gives its windows on every run.
    const QString windowClass = facts.windowClass.isEmpty() ? facts.instance : facts.windowClass;
    if (!windowClass.isEmpty())
        return RunningApp{windowClass, windowClass, facts.pid};
    if (!facts.command.isEmpty())
        return RunningApp{facts.command, facts.command, facts.pid};
    return std::nullopt;
}
