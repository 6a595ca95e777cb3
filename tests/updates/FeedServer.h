// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <functional>

// A tiny HTTP server on 127.0.0.1 whose answers a test scripts, honest or hostile.
class FeedServer : public QObject
{
public:
    struct Answer
    {
        enum class Way
        {
            whole,
            silent,
            trickle
        };
        int status = 200;
        QByteArray body;
        QList<QByteArray> headers; // extra header lines, without line ends
        Way way = Way::whole;
        bool announceLength = true;
    };

    FeedServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, &FeedServer::accept);
    }

    QUrl url(const QString& path = QStringLiteral("/version.json")) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }

    // The answer to every request; gets the request's head (request line and headers).
    std::function<Answer(const QByteArray& head)> answer = [](const QByteArray&) {
        return Answer{200, R"({"version": "0.1.0"})", {}};
    };
    QList<QByteArray> heads; // every request received, in order

    static QByteArray header(const QByteArray& head, const QByteArray& name)
    {
        for (const QByteArray& line : head.split('\n')) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
                return line.mid(colon + 1).trimmed();
        }
        return {};
    }

private:
    void accept()
    {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                QByteArray& received = m_received[socket];
                received += socket->readAll();
                const qsizetype end = received.indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                const QByteArray head = received.left(end);
                received.remove(0, end + 4);
                heads.append(head);
                respond(socket, answer(head));
            });
        }
    }

    void respond(QTcpSocket* socket, const Answer& answer)
    {
        if (answer.way == Answer::Way::silent)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + " Scripted\r\nConnection: close\r\n";
        if (answer.announceLength)
            head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        for (const QByteArray& line : answer.headers)
            head += line + "\r\n";
        socket->write(head + "\r\n");
        if (answer.way == Answer::Way::whole) {
            socket->write(answer.body);
            socket->disconnectFromHost();
            return;
        }
        // One byte at a time, never quite done.
        auto* timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket, [socket] { socket->write(" "); });
        timer->start(50);
    }

    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_received; // what each connection sent that is not yet answered
};
