// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KWinScript.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QStandardPaths>

namespace {

const QString kwinService = QStringLiteral("org.kde.KWin");
const QString scriptingInterface = QStringLiteral("org.kde.kwin.Scripting");
// Loading compiles the script inside the compositor; a busy desktop may take a moment, but never blocks start long.
constexpr int callTimeoutMs = 5000;

QDBusMessage callScripting(const QDBusConnection& bus, const QString& method, const QVariantList& arguments)
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(kwinService, QStringLiteral("/Scripting"), scriptingInterface, method);
    message.setArguments(arguments);
    message.setAutoStartService(false);
    return bus.call(message, QDBus::Block, callTimeoutMs);
}

bool run(const QDBusConnection& bus, int id)
{
    // KWin 6 puts a loaded script at /Scripting/Script<id>, KWin 5 at /<id>.
    for (const QString& path : {QStringLiteral("/Scripting/Script%1").arg(id), QStringLiteral("/%1").arg(id)}) {
        QDBusMessage message = QDBusMessage::createMethodCall(kwinService, path, QStringLiteral("org.kde.kwin.Script"),
                                                              QStringLiteral("run"));
        message.setAutoStartService(false);
        if (bus.call(message, QDBus::Block, callTimeoutMs).type() == QDBusMessage::ReplyMessage)
            return true;
    }
    return false;
}

void unload(const QDBusConnection& bus, const QString& pluginName)
{
    callScripting(bus, QStringLiteral("unloadScript"), {pluginName});
}

} // namespace

std::unique_ptr<KWinScript> KWinScript::load(QDBusConnection bus, const QString& pluginName, const QByteArray& text,
                                             QString* problem)
{
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(kwinService)) {
        *problem = QStringLiteral("no org.kde.KWin on the session bus");
        return nullptr;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    auto file = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/horavane-kwin-XXXXXX.js"));
    if (!file->open() || file->write(text) != text.size() || !file->flush()) {
        *problem = QStringLiteral("cannot write the KWin script to ") + folder;
        return nullptr;
    }
    // One left behind by an instance that did not quit cleanly would report to a name nobody owns any more.
    const QDBusMessage loaded = callScripting(bus, QStringLiteral("isScriptLoaded"), {pluginName});
    if (loaded.type() == QDBusMessage::ReplyMessage && loaded.arguments().value(0).toBool())
        unload(bus, pluginName);
    const QDBusMessage reply = callScripting(bus, QStringLiteral("loadScript"), {file->fileName(), pluginName});
    const int id = reply.arguments().value(0, -1).toInt();
    if (reply.type() != QDBusMessage::ReplyMessage || id < 0) {
        *problem = QStringLiteral("KWin did not load the script (") +
                   (reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString::number(id)) +
                   QLatin1Char(')');
        return nullptr;
    }
    if (!run(bus, id)) {
        unload(bus, pluginName);
        *problem = QStringLiteral("KWin did not run the script");
        return nullptr;
    }
    return std::unique_ptr<KWinScript>(new KWinScript(std::move(bus), pluginName, std::move(file), id));
}

KWinScript::KWinScript(QDBusConnection bus, QString pluginName, std::unique_ptr<QTemporaryFile> file, int id)
    : m_bus(std::move(bus)), m_pluginName(std::move(pluginName)), m_file(std::move(file)), m_id(id)
{
}

KWinScript::~KWinScript()
{
    unload(m_bus, m_pluginName);
}
