// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GnomeExtension.h"

#include "ShellSettings.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

const QString GnomeExtension::uuid = QStringLiteral("horavane@corvani.app");
const int GnomeExtension::oldestShell = HORAVANE_GNOME_SHELL_OLDEST;
const int GnomeExtension::newestShell = HORAVANE_GNOME_SHELL_NEWEST;

namespace {

constexpr int processTimeoutMs = 10000;
constexpr int shellTimeoutMs = 2000;

const QString shellService = QStringLiteral("org.gnome.Shell");
const QString shellPath = QStringLiteral("/org/gnome/Shell");
const QString extensionsInterface = QStringLiteral("org.gnome.Shell.Extensions");

// The shell's numbers for an extension's state (ExtensionState in the shell's extensionUtils).
enum ShellState
{
    active = 1,
    inactive = 2,
    error = 3,
    outOfDate = 4,
    downloading = 5,
    initialized = 6,
    disabling = 7,
    enabling = 8,
    uninstalled = 99
};

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

QDBusMessage callShell(const QDBusConnection& bus, const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(shellService, shellPath, extensionsInterface, method);
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, shellTimeoutMs);
}

// What the running shell says of the extension; empty when it does not know it or does not run.
QVariantMap extensionInfo(const QDBusConnection& bus)
{
    const QDBusMessage reply = callShell(bus, QStringLiteral("GetExtensionInfo"), {GnomeExtension::uuid});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return qdbus_cast<QVariantMap>(reply.arguments().constFirst());
}

GnomeExtension::State stateOf(const QVariantMap& info)
{
    using State = GnomeExtension::State;
    switch (info.value(QStringLiteral("state")).toInt()) {
    case active:
    case enabling:
        return State::running;
    case error:
        return State::failed;
    case outOfDate:
        return State::outOfDate;
    case uninstalled:
        return State::notInstalled;
    default: // inactive, initialized (user extensions off), disabling, downloading
        return State::turnedOff;
    }
}

} // namespace

int GnomeExtension::shellVersion(const QDBusConnection& bus)
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        shellService, shellPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << shellService << QStringLiteral("ShellVersion");
    const QDBusMessage reply = bus.call(get, QDBus::Block, shellTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        if (const int version = majorVersion(reply.arguments().constFirst().value<QDBusVariant>().variant().toString()))
            return version;
    QProcess shell;
    shell.start(QStringLiteral("gnome-shell"), {QStringLiteral("--version")});
    if (!shell.waitForFinished(processTimeoutMs))
        return 0;
    return majorVersion(QString::fromUtf8(shell.readAllStandardOutput()));
}

QString GnomeExtension::formFor(int shellVersion)
{
    if (shellVersion < oldestShell || shellVersion > newestShell)
        return QString();
    return shellVersion >= HORAVANE_GNOME_SHELL_MODULES ? QStringLiteral("modules") : QStringLiteral("imports");
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
    const QString form = formFor(shellVersion);
    if (shellVersion == 0)
        return QCoreApplication::translate("GnomeExtension", "cannot tell which version of GNOME Shell runs here");
    if (form.isEmpty())
        //: %1 to %2 are the GNOME Shell versions the extension runs on, %3 the one running.
        return QCoreApplication::translate("GnomeExtension",
                                           "the extension runs on GNOME Shell %1 to %2, and this is GNOME Shell %3")
            .arg(oldestShell)
            .arg(newestShell)
            .arg(shellVersion);
    const QString folder = userExtensionsFolder();
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("GnomeExtension", "cannot create %1", "a folder").arg(folder);
    for (const char* name : {"metadata.json", "extension.js"}) {
        QFile source(QStringLiteral(":/gnome-extension/%1/%2/%3").arg(form, uuid, name));
        QSaveFile target(folder + u'/' + QLatin1String(name));
        if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly) ||
            target.write(source.readAll()) < 0 || !target.commit())
            //: %1 is a file, %2 what went wrong.
            return QCoreApplication::translate("GnomeExtension", "cannot write %1: %2")
                .arg(target.fileName(), target.errorString());
    }
    return std::nullopt;
}

GnomeExtension::Status GnomeExtension::status(const QDBusConnection& bus)
{
    Status status;
    status.shellVersion = shellVersion(bus);
    const QVariantMap info = extensionInfo(bus);
    if (!info.isEmpty()) {
        status.state = stateOf(info);
        if (status.state == State::failed)
            status.error = info.value(QStringLiteral("error")).toString();
    } else if (!installedFolder().isEmpty() && ShellSettings::starts(uuid)) {
        status.state = State::needsLogIn;
    }
    return status;
}

GnomeExtension::Enabled GnomeExtension::enable(const QDBusConnection& bus, Reinstall reinstall)
{
    const Status before = status(bus);
    const bool installs =
        reinstall == Reinstall::always || before.state == State::outOfDate || installedFolder().isEmpty();
    if (installs)
        if (std::optional<QString> problem = install(before.shellVersion))
            return {.problem = std::move(problem)};
    if (std::optional<QString> problem = ShellSettings::switchOn(uuid))
        return {.problem = std::move(problem)};
    // A shell that knows the extension runs it at once; one that does not (it was installed while the shell
    // ran), or knows only the copy just replaced, starts it at the next log-in.
    const bool known = before.state != State::notInstalled && before.state != State::needsLogIn;
    if (known && !installs) {
        const QDBusMessage reply = callShell(bus, QStringLiteral("EnableExtension"), {uuid});
        if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool())
            return {};
    }
    return {.problem = std::nullopt, .atNextLogIn = true};
}
