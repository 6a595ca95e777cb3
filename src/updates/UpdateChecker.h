// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <chrono>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// Asks the product's web site, on request only, for the latest released version and compares it
// with this program's. The only network access of the program; nothing about the user is sent.
// Lives on the main thread.
class UpdateChecker : public QObject
{
    Q_OBJECT
public:
    // The outcome of the latest check; version is set only for `available`.
    struct State
    {
        enum class Kind
        {
            idle,
            checking,
            upToDate,
            available,
            failed
        };
        Kind kind = Kind::idle;
        QString version;

        static State available(const QString& version) { return State{Kind::available, version}; }
        bool operator==(const State&) const = default;
    };

    // The largest feed body read; anything longer is not a version feed.
    static constexpr qsizetype maxBodyBytes = 64 * 1024;

    // Checks the product's feed, as this program's version, with a ten-second limit.
    explicit UpdateChecker(QObject* parent = nullptr);
    // Checks feed as version current (none: "0"); a check taking longer than timeout fails.
    UpdateChecker(const QUrl& feed, std::optional<QString> current, std::chrono::milliseconds timeout,
                  QObject* parent = nullptr);
    ~UpdateChecker() override;

    const State& state() const { return m_state; }
    // Starts a check unless one is running.
    void check();
    // False while a check runs.
    bool canCheck() const { return m_state.kind != State::Kind::checking; }
    // What the settings window shows for the state.
    QString statusText() const { return statusText(m_state, m_current); }
    static QString statusText(const State& state, const std::optional<QString>& current);

signals:
    void stateChanged(const UpdateChecker::State& state);

private:
    void read(QNetworkReply* reply);
    void conclude(QNetworkReply* reply);
    State answer(QNetworkReply* reply) const;
    void setState(const State& state);

    const QUrl m_feed;
    const std::optional<QString> m_current;
    const std::chrono::milliseconds m_timeout;
    State m_state;
    // One session per check, dropped with everything it holds when the check ends.
    QPointer<QNetworkAccessManager> m_session;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    bool m_tooLong = false;
};
