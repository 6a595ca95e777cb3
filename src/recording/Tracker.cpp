// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Tracker.h"

#include "Accessibility.h"
#include "AccessibilityFetch.h"
#include "Activity.h"
#include "CapturedText.h"
#include "Clock.h"
#include "SessionState.h"
#include "Settings.h"
#include "SystemEvents.h"
#include "Workspace.h"

#include <QTimer>

namespace {

constexpr double longestCountedInterval = 6;
constexpr qint64 flushIntervalMs = 60'000;
constexpr qint64 glanceIntervalMs = 15'000;
constexpr int sampleIntervalMs = 2'000;

} // namespace

Tracker::Tracker(Sampling sampling, const Platform& platform, Settings& settings, std::unique_ptr<Store> store,
                 std::shared_ptr<const BrowserFetch> fetch, QObject* parent)
    : QObject(parent), m_store(std::move(store)), m_live(sampling == Sampling::live), m_platform(platform),
      m_settings(settings)
{
    if (!fetch && m_platform.accessibility)
        fetch = std::make_shared<AccessibilityFetch>(*m_platform.accessibility);
    if (fetch && m_platform.accessibility)
        m_probe = std::make_unique<BrowserProbe>(std::move(fetch), *m_platform.clock, *m_platform.accessibility,
                                                 m_settings);
    m_lastTick = m_platform.clock->now();
    m_lastFlushMs = m_platform.clock->monotonicMs();
    if (m_store)
        m_excluded = m_store->excluded();
    refreshGlance();
    if (!m_live)
        return;

    m_timer = new QTimer(this);
    m_timer->setInterval(sampleIntervalMs);
    m_timer->setTimerType(Qt::CoarseTimer); // lets the system coalesce wake-ups
    connect(m_timer, &QTimer::timeout, this, &Tracker::tick);
    m_timer->start();
    connect(m_platform.workspace, &Workspace::applicationActivated, this, &Tracker::tick);
    if (m_platform.events) {
        const auto sampleAndWrite = [this] {
            tick();
            flush();
        };
        connect(m_platform.events, &SystemEvents::willSleep, this, sampleAndWrite);
        connect(m_platform.events, &SystemEvents::willTerminate, this, sampleAndWrite);
    }
    if (m_probe)
        m_probe->onChange = [this] { tick(); }; // the probe is ours and goes before we do
    m_current = resolve();
}

Tracker::~Tracker() = default;

void Tracker::tick()
{
    const QDateTime now = m_platform.clock->now();
    const double elapsed = static_cast<double>(m_lastTick.msecsTo(now)) / 1000.0;
    m_lastTick = now;
    const QString& day = dayKey(now);
    const bool credits = m_current && elapsed > 0 && elapsed <= longestCountedInterval;
    if (credits) {
        m_pending[Slot{day, *m_current}] += elapsed;
        bumpRevision();
    } else if (m_current && elapsed > longestCountedInterval) {
        qInfo("Not counted: %.0f s between two samples, as after sleep", elapsed);
    }
    // The sample is kept and filled in place: no allocation on the two-second path.
    m_sample.at = now;
    m_sample.day = day;
    m_sample.credited = credits ? std::exchange(m_current, std::nullopt) : std::nullopt;
    m_sample.seconds = credits ? elapsed : 0;
    m_current = resolve();
    m_sample.present = m_present;
    emit sampled(m_sample);
    const qint64 monotonic = m_platform.clock->monotonicMs();
    if (monotonic - m_lastFlushMs >= flushIntervalMs)
        flush();
    if (monotonic - m_lastGlanceMs >= glanceIntervalMs)
        refreshGlance();
}

void Tracker::keepOpening(HistoryFile file)
{
    m_historyFile.emplace(std::move(file));
    reopenHistoryFile();
    emit historyFileChanged();
}

void Tracker::reopenHistoryFile()
{
    if (!m_historyFile)
        return;
    if (m_store && m_store->isDamaged()) {
        m_store.reset(); // closed before its file moves
        if (!m_historyFile->moveAside())
            return;
        emit historyFileChanged();
    }
    if (m_store)
        return;
    if (std::unique_ptr<Store> store = m_historyFile->open())
        adopt(std::move(store));
}

void Tracker::adopt(std::unique_ptr<Store> store)
{
    m_store = std::move(store);
    // Exclusions made while the file was away are kept, and written now.
    const QHash<ItemKey, QString> chosenMeanwhile = std::exchange(m_excluded, m_store->excluded());
    for (auto it = chosenMeanwhile.cbegin(); it != chosenMeanwhile.cend(); ++it) {
        m_store->setExcluded(it.key(), it.value(), true);
        m_excluded.insert(it.key(), it.value());
    }
    emit excludedChanged();
    emit historyFileChanged();
    bumpRevision();
}

std::optional<ItemKey> Tracker::resolve()
{
    const SessionState& session = *m_platform.session;
    m_present = false;
    if (!Activity::sessionIsActive(session))
        return std::nullopt;
    const std::optional<RunningApp> front = m_platform.workspace->frontmostApplication();
    // Where no time is counted, the user is present by keyboard and mouse alone.
    if (!front) {
        m_present = inputIsRecent();
        return std::nullopt;
    }
    // Names come from other programs: whatever they hold, no control character reaches a list, a file or a terminal.
    const QString id =
        CapturedText::withoutControls(!front->desktopId.isEmpty() ? front->desktopId : front->localizedName);
    const QString ownId = m_platform.workspace->ownIdentifier();
    if (id.isEmpty() || (!ownId.isEmpty() && id == ownId) || id == m_platform.workspace->ownProcessName()) {
        m_present = inputIsRecent();
        return std::nullopt;
    }
    m_present = Activity::userIsPresent(*front, session, m_settings.idleMinutes());
    if (!m_present)
        return std::nullopt;
    const QString name = !front->localizedName.isEmpty() ? CapturedText::withoutControls(front->localizedName) : id;
    const ItemKey key{ItemKind::app, id};
    if (m_excluded.contains(key))
        return std::nullopt;
    m_names.insert(key, name);
    return attribute(*front, id, name);
}

bool Tracker::inputIsRecent() const
{
    return m_platform.session->secondsSinceLastInput() < Settings::idleLimitMinutes(m_settings.idleMinutes()) * 60;
}

ItemKey Tracker::attribute(const RunningApp& front, const QString& id, const QString& name)
{
    const ItemKey browser{ItemKind::app, id};
    const std::optional<BrowserFamily> family = BrowserFamily::of(id);
    if (!family || !m_probe)
        return browser;
    const ProbeResult result = m_probe->currentSite(id, front.pid, *family);
    if (result.kind == ProbeResult::Kind::blocked) {
        setBlockedBrowser(BlockedBrowser{name, family->permission(), id});
        return browser;
    }
    if (m_blockedBrowser && m_blockedBrowser->name == name)
        setBlockedBrowser(std::nullopt);
    if (result.kind == ProbeResult::Kind::none)
        return browser;
    const ItemKey site{ItemKind::site, result.host};
    if (m_excluded.contains(site))
        return browser; // an excluded site's time counts for its browser
    m_names.insert(site, result.host);
    return site;
}

void Tracker::requestBrowserAccess(const RunningApp& app)
{
    const std::optional<BrowserFamily> family = BrowserFamily::of(app.desktopId);
    if (app.desktopId.isEmpty() || !family || !m_probe)
        return;
    m_probe->currentSite(app.desktopId, app.pid, *family);
}

void Tracker::setBlockedBrowser(const std::optional<BlockedBrowser>& notice)
{
    if (m_blockedBrowser == notice)
        return;
    m_blockedBrowser = notice;
    emit blockedBrowserChanged();
}

void Tracker::flush()
{
    m_lastFlushMs = m_platform.clock->monotonicMs();
    if (!m_store || m_store->isDamaged())
        reopenHistoryFile();
    if (!m_store)
        return;
    if (!m_pending.isEmpty()) {
        QList<UsageRow> rows;
        rows.reserve(m_pending.size());
        for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
            const ItemKey& key = it.key().key;
            rows.append(UsageRow{it.key().day, key, m_names.value(key, key.id), it.value()});
        }
        if (m_store->add(rows))
            m_pending.clear();
    }
    if (m_live)
        emit flushed();
}

QList<DayUsage> Tracker::days(Period period) const
{
    const QTimeZone zone = m_platform.clock->timeZone();
    const QList<QDateTime> dates = Periods::dates(period, m_platform.clock->now(), zone);
    if (dates.isEmpty())
        return {};
    QStringList keys;
    keys.reserve(dates.size());
    for (const QDateTime& date : dates)
        keys.append(Day::string(date, zone));
    const QString& first = keys.constFirst();
    const QString& last = keys.constLast();

    QHash<QString, DayTotals> merged = m_store ? m_store->daily(first, last) : QHash<QString, DayTotals>();
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
        const Slot& slot = it.key();
        if (slot.day < first || slot.day > last)
            continue;
        NamedSeconds& entry = merged[slot.day][slot.key];
        entry.name = m_names.value(slot.key, entry.name.isEmpty() ? slot.key.id : entry.name);
        entry.seconds += it.value();
    }

    QList<DayUsage> result;
    result.reserve(dates.size());
    for (qsizetype i = 0; i < dates.size(); ++i) {
        DayTotals totals = merged.value(keys[i]);
        for (auto it = m_excluded.cbegin(); it != m_excluded.cend(); ++it)
            totals.remove(it.key());
        result.append(DayUsage{keys[i], dates[i], Summary(totals)});
    }
    return result;
}

Summary Tracker::summary(Period period) const
{
    QList<Summary> summaries;
    for (const DayUsage& day : days(period))
        summaries.append(day.summary);
    return Summary::merging(summaries);
}

bool Tracker::exclude(const UsageItem& item)
{
    if (m_store && !m_store->setExcluded(item.key, item.name, true))
        return false;
    m_excluded.insert(item.key, item.name);
    emit excludedChanged();
    if (m_live)
        tick();
    bumpRevision();
    refreshGlance();
    return true;
}

bool Tracker::include(const ItemKey& key)
{
    if (m_store && !m_store->setExcluded(key, QString(), false))
        return false;
    if (m_excluded.remove(key))
        emit excludedChanged();
    bumpRevision();
    refreshGlance();
    return true;
}

bool Tracker::deleteAllHistory()
{
    if (m_store && !m_store->execute("DELETE FROM usage"))
        return false;
    m_pending.clear();
    bumpRevision();
    refreshGlance();
    emit historyReplaced();
    return true;
}

bool Tracker::restore(const QString& path)
{
    flush();
    if (!m_store || !m_store->replaceHistory(path))
        return false;
    m_pending.clear();
    bumpRevision();
    refreshGlance();
    emit historyReplaced();
    return true;
}

void Tracker::refreshGlance()
{
    m_lastGlanceMs = m_platform.clock->monotonicMs();
    const Glance glance(summary(Period::today));
    if (glance == m_glance)
        return;
    m_glance = glance;
    emit glanceChanged(m_glance);
}

void Tracker::bumpRevision()
{
    ++m_revision;
    emit revisionChanged(m_revision);
}

const QString& Tracker::dayKey(const QDateTime& now)
{
    // A zone change (travel, or the system's zone set anew) moves the day's bounds at once.
    const QTimeZone zone = m_platform.clock->timeZone();
    if (m_day.isEmpty() || now < m_dayStart || now >= m_dayEnd || zone != m_dayZone) {
        m_dayZone = zone;
        const QDate date = now.toTimeZone(zone).date();
        m_day = Day::string(now, zone);
        m_dayStart = date.startOfDay(zone);
        m_dayEnd = date.addDays(1).startOfDay(zone);
    }
    return m_day;
}
