// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BrowserPermission.h"
#include "BrowserProbe.h"
#include "Glance.h"
#include "HistoryFile.h"
#include "Period.h"
#include "Platform.h"
#include "Store.h"
#include "Summary.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <memory>
#include <optional>

class BrowserFetch;
class QTimer;
class Settings;
struct RunningApp;

// The recording engine and the model every view reads. It samples the application in front,
// credits the seconds since the previous sample to what was in front, keeps them in memory per
// day and item, writes them about once a minute, and answers summaries of any period.
// Lives on the main thread.
class Tracker : public QObject
{
    Q_OBJECT
public:
    // The browser in front that refused to say which page it shows.
    struct BlockedBrowser
    {
        QString name;
        BrowserPermission permission = BrowserPermission::rendererAccessibility;
        QString id; // the browser's application identifier, for desktops that grant access per browser
        bool operator==(const BlockedBrowser&) const = default;
    };

    // What one sample saw, for those who act on today's time as it grows.
    struct Sample
    {
        QDateTime at;
        QString day;                     // the day key of that moment
        std::optional<ItemKey> credited; // what the seconds since the previous sample went to, if anything
        double seconds = 0;
        bool present = false; // whether the user is at the computer now, as far as the tracker counts time
    };

    // When the tracker looks at the application in front.
    enum class Sampling
    {
        live,     // every two seconds and on the platform's events
        whenTold, // only when tick() is called
    };

    // Without a store the time is kept in memory only. Browsers are asked for their page through fetch, by
    // default through the platform's accessibility; without either, a browser counts as an application.
    Tracker(Sampling sampling, const Platform& platform, Settings& settings, std::unique_ptr<Store> store = nullptr,
            std::shared_ptr<const BrowserFetch> fetch = nullptr, QObject* parent = nullptr);
    ~Tracker() override;

    qint64 revision() const { return m_revision; }
    const Glance& glance() const { return m_glance; }
    const QHash<ItemKey, QString>& excluded() const { return m_excluded; }
    const std::optional<BlockedBrowser>& blockedBrowser() const { return m_blockedBrowser; }
    Store* store() const { return m_store.get(); }
    bool isLive() const { return m_live; }
    // The clock the days are counted by, so views name "Today" as the tracker does.
    const Clock& clock() const { return *m_platform.clock; }
    // Opens the history file now and, while it will not open, again at every write; a damaged file is
    // moved aside and a fresh one started. For the recorder, constructed without a store.
    void keepOpening(HistoryFile file);
    // Whether the recorded time lives only in memory because the history file will not open yet.
    bool keepsTimeInMemoryOnly() const { return m_historyFile && !m_store; }
    // Where a damaged history file was moved in this run; empty when none was.
    QString damagedHistoryCopy() const { return m_historyFile ? m_historyFile->movedTo() : QString(); }
    // Asks browsers which page they show; none without a way to ask.
    BrowserProbe* probe() const { return m_probe.get(); }

    // Credits the time since the previous sample and looks at what is in front now.
    void tick();
    // Writes the pending seconds now. They stay pending when the write fails, for the next try.
    void flush();
    // One entry per day of the period, oldest first, excluded items removed.
    QList<DayUsage> days(Period period) const;
    Summary summary(Period period) const;
    // The three changes below are false, with nothing changed, when the history file refused them.
    bool exclude(const UsageItem& item);
    bool include(const ItemKey& key);
    bool deleteAllHistory();
    // Replaces all history by the backup file's; false, with nothing changed, when it cannot.
    bool restore(const QString& path);
    // Starts asking the browser for its page, so that its permission is known; switching anything on for it
    // is the views' part, since they ask the user first.
    void requestBrowserAccess(const RunningApp& app);

signals:
    void revisionChanged(qint64 revision);
    void glanceChanged(const Glance& glance);
    void excludedChanged();
    void blockedBrowserChanged();
    // keepsTimeInMemoryOnly() or damagedHistoryCopy() changed.
    void historyFileChanged();
    // The recorded history was deleted or replaced by a restored one.
    void historyReplaced();
    // After every sample; receivers must stay cheap, as the sample is.
    void sampled(const Tracker::Sample& sample);
    // A live tracker with a store wrote (or tried to write) its pending seconds: time for the daily backup check.
    void flushed();

private:
    struct Slot
    {
        QString day;
        ItemKey key;
        bool operator==(const Slot&) const = default;
        friend size_t qHash(const Slot& slot, size_t seed = 0) noexcept { return qHashMulti(seed, slot.day, slot.key); }
    };

    std::optional<ItemKey> resolve();
    // Whether the user touched keyboard or mouse within the idle limit.
    bool inputIsRecent() const;
    // What the front application's time goes to; the app itself, or the site a browser shows.
    ItemKey attribute(const RunningApp& front, const QString& id, const QString& name);
    void setBlockedBrowser(const std::optional<BlockedBrowser>& notice);
    void refreshGlance();
    void bumpRevision();
    // Opens the history file when there is no store, or moves a damaged one aside and starts afresh.
    void reopenHistoryFile();
    void adopt(std::unique_ptr<Store> store);
    const QString& dayKey(const QDateTime& now);

    std::unique_ptr<Store> m_store;
    const bool m_live;
    const Platform m_platform;
    Settings& m_settings;
    std::unique_ptr<BrowserProbe> m_probe;

    qint64 m_revision = 0;
    std::optional<BlockedBrowser> m_blockedBrowser;
    Glance m_glance;
    QHash<ItemKey, QString> m_excluded;
    QHash<Slot, double> m_pending;
    QHash<ItemKey, QString> m_names;
    std::optional<ItemKey> m_current;
    bool m_present = false;
    Sample m_sample;
    std::optional<HistoryFile> m_historyFile;
    QDateTime m_lastTick;
    // Writes and glances are scheduled on the monotonic clock: a wall clock set back must not hold them off.
    qint64 m_lastFlushMs = 0;
    qint64 m_lastGlanceMs = 0;
    QTimer* m_timer = nullptr;

    // The day key of the day being sampled, with that day's bounds, so a sample needs no calendar work.
    QString m_day;
    QDateTime m_dayStart;
    QDateTime m_dayEnd;
    QTimeZone m_dayZone;
};
