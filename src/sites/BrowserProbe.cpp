// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserProbe.h"

#include "Accessibility.h"
#include "Clock.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QThreadPool>

Q_LOGGING_CATEGORY(probeLog, "app.corvani.Horavane.probe", QtInfoMsg)

namespace {

// Requests run at most a few seconds each; a handful of browsers may be asked at once.
constexpr int ownPoolThreads = 4;

QLatin1StringView reason(Accessibility::Error error)
{
    switch (error) {
    case Accessibility::Error::none:
        break;
    case Accessibility::Error::noReply:
        return QLatin1StringView("no reply");
    case Accessibility::Error::noApplication:
        return QLatin1StringView("not on the accessibility bus");
    case Accessibility::Error::switchedOff:
        return QLatin1StringView("accessibility is switched off");
    }
    return QLatin1StringView("no reason given");
}

} // namespace

BrowserProbe::BrowserProbe(std::shared_ptr<const BrowserFetch> fetch, const Clock& clock,
                           const Accessibility& accessibility, const Settings& settings, QThreadPool* pool,
                           QObject* parent)
    : QObject(parent), m_fetch(std::move(fetch)), m_clock(clock), m_accessibility(accessibility), m_settings(settings),
      m_pool(pool)
{
    if (!m_pool) {
        m_pool = new QThreadPool(this);
        m_pool->setMaxThreadCount(ownPoolThreads);
        m_pool->setThreadPriority(QThread::LowPriority);
    }
}

BrowserProbe::~BrowserProbe() = default;

QLatin1StringView BrowserProbe::name(Permission permission)
{
    switch (permission) {
    case Permission::unknown:
        return QLatin1StringView("unknown");
    case Permission::granted:
        return QLatin1StringView("granted");
    case Permission::denied:
        return QLatin1StringView("denied");
    }
    return QLatin1StringView("unknown");
}

qint64 BrowserProbe::now() const
{
    return m_clock.now().toMSecsSinceEpoch();
}

ProbeResult BrowserProbe::currentSite(const QString& appId, qint64 pid, BrowserFamily family)
{
    const qint64 now = this->now();
    State& state = m_states[appId];

    // The answer comes from the state as it stands before any request starts.
    ProbeResult result = ProbeResult::none();
    const qint64 age = now - state.updated; // negative when the clock was set back: not fresh either
    if (state.permission == Permission::denied)
        result = ProbeResult::blocked();
    else if (state.permission == Permission::granted && state.site && age >= 0 && age < freshFor.count())
        result = ProbeResult::site(*state.site);

    // A back-off longer than its own length means the clock was set back; it must not hold requests
    // off for however far the clock jumped.
    const bool backedOff = now < state.retryAfter && state.retryAfter - now <= retryDelay.count();
    if (!state.inFlight && !backedOff) {
        state.inFlight = true;
        start(appId, pid, family, state.permission == Permission::granted ? grantedTimeout : askingTimeout);
    }
    return result;
}

void BrowserProbe::start(const QString& appId, qint64 pid, BrowserFamily family, std::chrono::milliseconds timeout)
{
    // The job shares nothing mutable with the probe. Its answer is posted to the application object,
    // which outlives every probe, and reaches the probe only if the probe still exists then.
    QPointer<BrowserProbe> self(this);
    std::shared_ptr<const BrowserFetch> fetch = m_fetch;
    m_pool->start([self, fetch, appId, pid, family, timeout] {
        const Outcome outcome = fetch->fetch(pid, family, timeout);
        QCoreApplication* app = QCoreApplication::instance();
        if (!app)
            return;
        QMetaObject::invokeMethod(
            app,
            [self, appId, outcome] {
                if (self)
                    self->finish(appId, outcome);
            },
            Qt::QueuedConnection);
    });
}

void BrowserProbe::finish(const QString& appId, const Outcome& outcome)
{
    Q_ASSERT(QThread::currentThread() == thread());
    const qint64 now = this->now();
    State& state = m_states[appId];
    const Permission oldPermission = state.permission;
    const std::optional<QString> oldSite = state.site;
    const qint64 elapsed = now - state.updated;

    state.inFlight = false;
    state.updated = now;
    switch (outcome.kind) {
    case Outcome::Kind::answered:
        state.permission = Permission::granted;
        state.site = outcome.host;
        break;
    case Outcome::Kind::failed:
        state.site.reset();
        // A browser that keeps failing while nothing is known says so once, not on every tick.
        if (!(oldPermission == Permission::granted && !oldSite))
            qCInfo(probeLog, "Request to %s failed: %s", qUtf8Printable(appId), reason(outcome.error).data());
        break;
    case Outcome::Kind::denied:
        state.permission = Permission::denied;
        state.site.reset();
        state.retryAfter = now + retryDelay.count();
        break;
    }
    const Permission permission = state.permission;
    const std::optional<QString> site = state.site;

    if (permission != oldPermission)
        qCInfo(probeLog, "Permission for %s is now %s", qUtf8Printable(appId), name(permission).data());

    const bool same = permission == oldPermission && site == oldSite;
    const bool stillReported = elapsed >= 0 && elapsed < freshFor.count();
    if (same && (stillReported || !site))
        return;
    if (onChange) {
        const auto notify = onChange; // the owner may replace the callback while it runs
        notify();
    }
}

BrowserProbe::Access BrowserProbe::access(const QString& appId) const
{
    const std::optional<BrowserFamily> family = BrowserFamily::of(appId);
    if (family && *family == BrowserFamily::firefox) {
        if (m_accessibility.isEnabled())
            return Access::granted;
        return m_settings.hasAskedForAccessibility() ? Access::denied : Access::notAsked;
    }
    const auto it = m_states.constFind(appId);
    if (it == m_states.constEnd())
        return Access::notAsked;
    switch (it->permission) {
    case Permission::granted:
        return Access::granted;
    case Permission::denied:
        return Access::denied;
    case Permission::unknown:
        break;
    }
    return it->inFlight ? Access::waiting : Access::notAsked;
}
