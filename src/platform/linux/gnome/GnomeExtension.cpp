#include "GnomeExtension.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

const QString GnomeExtension::uuid = QStringLiteral("horavane@corvani.app");

namespace {

constexpr int processTimeoutMs = 10000;

int majorVersion(const QString& text)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("(\\d+)\\.")).match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString userExtensionsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/gnome-shell/extensions/") + GnomeExtension::uuid;
}

} // namespace

int GnomeExtension::shellVersion(const QDBusConnection& bus)
{
    QDBusMessage get =
        QDBusMessage::createMethodCall(QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.gnome.Shell") << QStringLiteral("ShellVersion");
    const QDBusMessage reply = bus.call(get, QDBus::Block, 2000);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        if (const int version = majorVersion(reply.arguments().constFirst().value<QDBusVariant>().variant().toString()))
            return version;
    QProcess shell;
    shell.start(QStringLiteral("gnome-shell"), {QStringLiteral("--version")});
    if (!shell.waitForFinished(processTimeoutMs))
        return 0;
    return majorVersion(QString::fromUtf8(shell.readAllStandardOutput()));
}

QString GnomeExtension::installedFolder()
{
    const QStringList folders =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("gnome-shell/extensions/") + uuid,
                                  QStandardPaths::LocateDirectory);
    return folders.isEmpty() ? QString() : folders.constFirst();
}

std::optional<QString> GnomeExtension::install(int shellVersion)
{
    const QString form = shellVersion >= 45 ? QStringLiteral("modules") : QStringLiteral("imports");
    const QString folder = userExtensionsFolder();
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot create %1").arg(folder);
    for (const char* name : {"metadata.json", "extension.js"}) {
        QFile source(QStringLiteral(":/gnome-extension/%1/%2/%3").arg(form, uuid, name));
        QSaveFile target(folder + u'/' + QLatin1String(name));
        if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly) ||
            target.write(source.readAll()) < 0 || !target.commit())
            return QStringLiteral("cannot write %1: %2").arg(target.fileName(), target.errorString());
    }
    return std::nullopt;
}

std::optional<QString> GnomeExtension::enable(const QDBusConnection& bus)
{
    if (installedFolder().isEmpty())
        if (const std::optional<QString> problem = install(shellVersion(bus)))
            return problem;
    QProcess tool;
    tool.start(QStringLiteral("gnome-extensions"), {QStringLiteral("enable"), uuid});
    if (!tool.waitForFinished(processTimeoutMs))
        return QStringLiteral("gnome-extensions did not run: %1").arg(tool.errorString());
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return QStringLiteral("gnome-extensions enable failed: %1")
            .arg(QString::fromUtf8(tool.readAllStandardError()).trimmed());
    return std::nullopt;
}
