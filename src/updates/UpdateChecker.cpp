// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UpdateChecker.h"

#include "Updates.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

using namespace std::chrono_literals;

// Enough for a site that moved; a loop ends long before the time limit.
constexpr int maxRedirects = 5;

} // namespace

UpdateChecker::UpdateChecker(QObject* parent) : UpdateChecker(Updates::feed(), Updates::current(), 10s, parent) {}

UpdateChecker::UpdateChecker(const QUrl& feed, std::optional<QString> current, std::chrono::milliseconds timeout,
                             QObject* parent)
    : QObject(parent), m_feed(feed), m_current(std::move(current)), m_timeout(timeout)
{
}

UpdateChecker::~UpdateChecker()
{
    // Cancels a running request without letting its last signals reach a half-destroyed object.
    if (m_reply)
        m_reply->disconnect(this);
    delete m_session;
}

void UpdateChecker::check()
{
    if (!canCheck())
        return;
    setState(State{State::Kind::checking, {}});

    // A fresh session each time keeps nothing between checks.
    m_session = new QNetworkAccessManager(this);
    m_session->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    m_body.clear();
    m_tooLong = false;

    QNetworkRequest request(m_feed);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::AuthenticationReuseAttribute, QNetworkRequest::Manual);
    request.setMaximumRedirectsAllowed(maxRedirects);
    request.setTransferTimeout(static_cast<int>(m_timeout.count()));
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QString(QLatin1String("Horavane/") + m_current.value_or(QStringLiteral("0"))));

    QNetworkReply* reply = m_session->get(request);
    m_reply = reply;
    reply->setReadBufferSize(maxBodyBytes + 1);
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { read(reply); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { conclude(reply); });
    // The transfer limit restarts with every byte; a feed trickling bytes must still end in time.
    QTimer::singleShot(m_timeout, reply, &QNetworkReply::abort);
}

void UpdateChecker::read(QNetworkReply* reply)
{
    if (reply != m_reply || m_tooLong || !reply->isOpen())
        return;
    m_body += reply->read(maxBodyBytes + 1 - m_body.size());
    if (m_body.size() > maxBodyBytes) {
        m_tooLong = true;
        reply->abort();
    }
}

void UpdateChecker::conclude(QNetworkReply* reply)
{
    if (reply != m_reply)
        return;
    read(reply);
    const State result = answer(reply);
    m_reply = nullptr;
    m_session->deleteLater(); // its reply goes with it; deleting now would pull it from under Qt
    m_session = nullptr;
    m_body.clear();
    setState(result);
}

UpdateChecker::State UpdateChecker::answer(QNetworkReply* reply) const
{
    const State failed{State::Kind::failed, {}};
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (m_tooLong || reply->error() != QNetworkReply::NoError || !status.isValid() || status.toInt() != 200)
        return failed;
    const std::optional<QString> published = Updates::latestVersion(m_body);
    if (!published)
        return failed;
    if (Updates::isNewer(*published, m_current.value_or(QStringLiteral("0"))))
        return State::available(*published);
    return State{State::Kind::upToDate, {}};
}

void UpdateChecker::setState(const State& state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(m_state);
}

QString UpdateChecker::statusText(const State& state, const std::optional<QString>& current)
{
    const QString name = current ? QLatin1String("Horavane ") + *current : QStringLiteral("Horavane");
    switch (state.kind) {
    case State::Kind::idle:
        return name;
    case State::Kind::checking:
        //: Looking for a new version
        return tr("Checking…");
    case State::Kind::upToDate:
        //: %1: Horavane and its version, such as "Horavane 1.4"
        return tr("%1 is the latest version.").arg(name);
    case State::Kind::available:
        //: %1: a version number, such as "1.5"
        return tr("Version %1 is available.").arg(state.version);
    case State::Kind::failed:
        return tr("Couldn't check. Try again when you're online.");
    }
    return name;
}
