// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FaviconCache.h"
#include "ItemKey.h"
#include "Palette.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class AppIcons;
class Places;
struct Summary;

// The shared cache of item images and their hues, and the colour each of the largest items gets.
// Lives on the main thread; favicons load in the background and are announced by faviconsChanged.
class Icons : public QObject
{
    Q_OBJECT
public:
    // Blocking search of the browsers' databases for a host's icon bytes; runs on a worker thread. It may
    // give up with none once stop turns true: its result is no longer wanted.
    using Search = std::function<std::optional<QByteArray>(const QString& host, const std::atomic_bool& stop)>;
    // A clock that keeps counting while the machine sleeps.
    using Clock = std::function<std::chrono::nanoseconds()>;

    struct Options
    {
        QString cacheFolder;
        Search search;
        std::chrono::nanoseconds retryDelay = std::chrono::seconds(120);
        Clock now; // empty: the system's boot-time clock
    };

    // The real thing: favicons from the browsers below the places' home, cached in cacheDirectory(places).
    Icons(const AppIcons& appIcons, const Places& places, QObject* parent = nullptr);
    Icons(const AppIcons& appIcons, Options options, QObject* parent = nullptr);
    // Never waits: a running search is told to stop and left to end on its own; its result is dropped.
    ~Icons() override;

    // The cache folder's "Favicons" folder.
    static QString cacheDirectory(const Places& places);
    // The image a favicon's bytes hold, decoded only from a raster format of at most 512 pixels a
    // side, so that no icon a web page offers can hold a thread (or quitting) for long; none otherwise.
    static std::optional<QImage> decodeFavicon(const QByteArray& bytes);

    // The application's icon, or the generic one; looked up once per identifier.
    QImage appIcon(const QString& identifier);
    // The host's favicon once found; never blocks, starts a background load on the first request.
    std::optional<QImage> favicon(const QString& host);
    // A palette colour for each of the first min(count, 8) items of the summary, chosen after their images'
    // hues and their neighbours.
    QHash<ItemKey, AdaptiveColor> colors(const Summary& summary, int count);
    // The palette index behind each of those colours, in summary order.
    QList<int> colorIndices(const Summary& summary, int count);

    static std::optional<double> dominantHue(const QImage& image);

    const QHash<QString, QImage>& favicons() const { return m_favicons; }
    // Hues computed so far; an entry without a value means the image has none.
    const QHash<ItemKey, std::optional<double>>& hues() const { return m_hues; }
    // Whether a load of the host is running or waiting for its retry time.
    bool isRequested(const QString& host) const { return m_requested.contains(host); }
    // Whether a load of the host is running, its outcome not yet back on this thread.
    bool isLoading(const QString& host) const
    {
        return m_requested.contains(host) && !m_retryAt.contains(host) && !m_favicons.contains(host);
    }

signals:
    // A favicon was found (from the cache file or a browser) and is now in favicons().
    void faviconsChanged(const QString& host);

private:
    void load(const QString& host);
    void finishLoad(const QString& host, const std::optional<QImage>& image);
    std::optional<double> hueOf(const ItemKey& key);
    std::chrono::nanoseconds now() const;

    const AppIcons& m_appIcons;
    FaviconCache m_cache;
    Search m_search;
    std::chrono::nanoseconds m_retryDelay;
    Clock m_clock;

    QHash<QString, QImage> m_favicons;
    QHash<QString, QImage> m_appIconsCache;
    QSet<QString> m_requested;
    QHash<QString, std::chrono::nanoseconds> m_retryAt; // hosts whose search found nothing
    QHash<ItemKey, std::optional<double>> m_hues;
    // What a search shares with this object; the searches hold it, so it outlives this object.
    struct Link;
    std::shared_ptr<Link> m_link;
};
