// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SwayPopupPlacement.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QRegularExpression>
#include <cstring>

namespace {

const QByteArray magic = QByteArrayLiteral("i3-ipc");
constexpr int headerSize = 14; // magic, length, type
constexpr quint32 runCommand = 0;
constexpr quint32 subscribe = 2;
constexpr quint32 windowEvent = 0x80000003;
constexpr int connectTimeoutMs = 1000;

// One message of sway's IPC: magic, payload length and type in the machine's byte order, payload.
QByteArray message(quint32 type, const QByteArray& payload)
{
    const quint32 length = payload.size();
    QByteArray bytes = magic;
    bytes.append(reinterpret_cast<const char*>(&length), sizeof length);
    bytes.append(reinterpret_cast<const char*>(&type), sizeof type);
    return bytes + payload;
}

} // namespace

std::unique_ptr<SwayPopupPlacement> SwayPopupPlacement::create(const QString& title, std::function<QPoint()> position)
{
    const QString path = qEnvironmentVariable("SWAYSOCK");
    if (path.isEmpty())
        return nullptr;
    auto* socket = new QLocalSocket;
    socket->connectToServer(path);
    if (!socket->waitForConnected(connectTimeoutMs)) {
        delete socket;
        return nullptr;
    }
    std::unique_ptr<SwayPopupPlacement> placement(new SwayPopupPlacement(socket, title, std::move(position)));
    socket->write(message(subscribe, QByteArrayLiteral(R"(["window"])")));
    return placement;
}

SwayPopupPlacement::SwayPopupPlacement(QLocalSocket* socket, QString title, std::function<QPoint()> position)
    : m_socket(socket), m_title(std::move(title)), m_position(std::move(position))
{
    m_socket->setParent(this);
    connect(m_socket, &QLocalSocket::readyRead, this, &SwayPopupPlacement::readMessages);
}

SwayPopupPlacement::~SwayPopupPlacement() = default;

void SwayPopupPlacement::place()
{
    const QPoint at = m_position();
    const QString command =
        QStringLiteral(R"([pid=%1 title="^%2$"] move absolute position %3 %4)")
            .arg(QCoreApplication::applicationPid())
            .arg(QRegularExpression::escape(m_title).replace(QLatin1Char('"'), QLatin1String("\\\"")))
            .arg(at.x())
            .arg(at.y());
    m_socket->write(message(runCommand, command.toUtf8()));
}

void SwayPopupPlacement::readMessages()
{
    m_received += m_socket->readAll();
    while (m_received.size() >= headerSize) {
        quint32 length = 0;
        quint32 type = 0;
        std::memcpy(&length, m_received.constData() + magic.size(), sizeof length);
        std::memcpy(&type, m_received.constData() + magic.size() + sizeof length, sizeof type);
        if (m_received.size() < headerSize + qsizetype(length))
            return;
        const QByteArray payload = m_received.mid(headerSize, length);
        m_received.remove(0, headerSize + length);
        if (type != windowEvent) // replies to commands: a window not there yet is no fault
            continue;
        const QJsonObject event = QJsonDocument::fromJson(payload).object();
        const QJsonObject window = event.value(QLatin1String("container")).toObject();
        const QString change = event.value(QLatin1String("change")).toString();
        // A new window has no title yet; it comes with the next event.
        if ((change == QLatin1String("new") || change == QLatin1String("title")) &&
            window.value(QLatin1String("pid")).toInteger() == QCoreApplication::applicationPid() &&
            window.value(QLatin1String("name")).toString() == m_title)
            place();
    }
}
