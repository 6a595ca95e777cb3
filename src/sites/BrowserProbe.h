// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BrowserFamily.h"
#include "BrowserFetch.h"
#include "ProbeResult.h"

#include <QHash>
#include <QLoggingCategory>
#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

class Accessibility;
class Clock;
class QThreadPool;
class Settings;

Q_DECLARE_LOGGING_CATEGORY(probeLog)

// Knows, per browser, the host of the page in front, and keeps that knowledge fresh without ever
// making its caller wait: every question is answered at once from the last answer, and a request to
// the browser starts on a worker thread whenever none is running. Lives on the main thread.
class BrowserProbe : public QObject
{
    Q_OBJECT
public:
    // What a browser last said about being asked.
    enum class Permission
    {
        unknown,
        granted,
        denied,
    };

    // What the welcome window shows for a browser.
    enum class Access
    {
        notAsked,
        waiting,
        granted,
        denied,
    };

    using Outcome = BrowserFetch::Outcome;

    // One browser's state. Times are milliseconds since the epoch.
    struct State
    {
        Permission permission = Permission::unknown;
        std::optional<QString> site;
        qint64 updated = distantPast;
        bool inFlight = false;
        qint64 retryAfter = distantPast;
    };

    static constexpr qint64 distantPast = std::numeric_limits<qint64>::min() / 4;
    static constexpr std::chrono::milliseconds freshFor{5000};
    static constexpr std::chrono::milliseconds grantedTimeout{2000};
    static constexpr std::chrono::milliseconds askingTimeout{300'000}; // the user may be deciding
    static constexpr std::chrono::milliseconds retryDelay{10'000};

    // fetch does the requests; pool runs them (none: a pool of the probe's own, at low priority).
    // The other objects must outlive the probe.
    BrowserProbe(std::shared_ptr<const BrowserFetch> fetch, const Clock& clock, const Accessibility& accessibility,
                 const Settings& settings, QThreadPool* pool = nullptr, QObject* parent = nullptr);
    ~BrowserProbe() override;

    // Called on the main thread after an answer that the owner should resolve again for.
    std::function<void()> onChange;

    // What is known now about the browser's front page; starts a request when none runs. No I/O.
    ProbeResult currentSite(const QString& appId, qint64 pid, BrowserFamily family);
    // How the welcome window labels the browser.
    Access access(const QString& appId) const;
    // The browser's state; a fresh one when it was never asked.
    State state(const QString& appId) const { return m_states.value(appId); }

    // The permission's name as the log writes it.
    static QLatin1StringView name(Permission permission);

private:
    void start(const QString& appId, qint64 pid, BrowserFamily family, std::chrono::milliseconds timeout);
    void finish(const QString& appId, const Outcome& outcome);
    qint64 now() const;

    std::shared_ptr<const BrowserFetch> m_fetch;
    const Clock& m_clock;
    const Accessibility& m_accessibility;
    const Settings& m_settings;
    QThreadPool* m_pool = nullptr;
    QHash<QString, State> m_states;
};
