// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Icons.h"

#include "AppIcons.h"
#include "BrowserIcons.h"
#include "DominantHue.h"
#include "Places.h"
#include "PngChunks.h"
#include "Summary.h"

#include <QBuffer>
#include <QImageReader>
#include <QMutex>
#include <QThread>
#include <QThreadPool>
#include <ctime>

namespace {

using namespace Qt::StringLiterals;

// Far beyond any favicon a list draws (at most a few dozen pixels), and small enough that decoding
// the largest one takes a few milliseconds.
constexpr int largestSide = 512;

// Raster formats only. A vector image's cost has no bound in its size (nested references multiply
// the work), and a favicon database may hold whatever a web page offered.
bool isRasterFormat(const QByteArray& format)
{
    static const QByteArray formats[] = {"png", "ico", "jpeg", "jpg", "gif", "bmp", "webp", "cur"};
    for (const QByteArray& known : formats)
        if (format == known)
            return true;
    return false;
}

// The searches' threads, for the whole process and never destroyed: quitting must not wait for a search
// in a browser's database, so nothing ever waits for this pool to empty.
QThreadPool& searchPool()
{
    static QThreadPool* const pool = [] {
        auto* made = new QThreadPool;
        // Searches open several databases; they must not compete with the desktop for the processor.
        made->setThreadPriority(QThread::LowPriority);
        made->setMaxThreadCount(2);
        return made;
    }();
    return *pool;
}

} // namespace

struct Icons::Link
{
    std::atomic_bool stop = false;
    QMutex mutex; // held while a result is posted, so the object cannot go in between
    Icons* icons = nullptr;
};

std::optional<QImage> Icons::decodeFavicon(const QByteArray& bytes)
{
    if (!PngChunks::fitInData(bytes))
        return std::nullopt;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!isRasterFormat(reader.format().toLower()))
        return std::nullopt;
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > largestSide || size.height() > largestSide)
        return std::nullopt;
    QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.width() > largestSide || image.height() > largestSide)
        return std::nullopt;
    return image;
}

namespace {

std::chrono::nanoseconds bootTime()
{
#ifdef CLOCK_BOOTTIME
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) == 0)
        return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
#endif
    return std::chrono::steady_clock::now().time_since_epoch();
}

} // namespace

Icons::Icons(const AppIcons& appIcons, const Places& places, QObject* parent)
    : Icons(appIcons,
            Options{cacheDirectory(places),
                    [folders = BrowserIcons::Folders::from(places)](const QString& host, const std::atomic_bool& stop) {
                        return BrowserIcons::imageData(host, folders, &stop);
                    },
                    std::chrono::seconds(120),
                    {}},
            parent)
{
}

Icons::Icons(const AppIcons& appIcons, Options options, QObject* parent)
    : QObject(parent), m_appIcons(appIcons), m_cache(std::move(options.cacheFolder)),
      m_search(std::move(options.search)), m_retryDelay(options.retryDelay), m_clock(std::move(options.now)),
      m_link(std::make_shared<Link>())
{
    m_link->icons = this;
}

Icons::~Icons()
{
    m_link->stop = true;
    const QMutexLocker lock(&m_link->mutex);
    m_link->icons = nullptr;
}

QString Icons::cacheDirectory(const Places& places)
{
    return places.cacheFolder() + "/Favicons"_L1;
}

QImage Icons::appIcon(const QString& identifier)
{
    if (const auto found = m_appIconsCache.constFind(identifier); found != m_appIconsCache.cend())
        return *found;
    QImage image = m_appIcons.icon(identifier).value_or(QImage());
    if (image.isNull())
        image = m_appIcons.genericIcon();
    m_appIconsCache.insert(identifier, image);
    return image;
}

std::optional<QImage> Icons::favicon(const QString& host)
{
    if (const auto found = m_favicons.constFind(host); found != m_favicons.cend())
        return *found;
    if (const auto retry = m_retryAt.constFind(host); retry != m_retryAt.cend() && now() >= *retry) {
        m_retryAt.erase(retry);
        m_requested.remove(host);
    }
    if (!m_requested.contains(host)) {
        m_requested.insert(host);
        load(host);
    }
    return std::nullopt;
}

void Icons::load(const QString& host)
{
    // The cache file first, then the browsers; both read, decoded and saved off the main thread. The task
    // holds copies and the link only, never this object, which may be gone before it ends.
    searchPool().start([link = m_link, host, cache = m_cache, search = m_search] {
        std::optional<QImage> image;
        if (link->stop)
            return;
        if (const auto cached = cache.read(host))
            image = decodeFavicon(*cached);
        if (!image && search) {
            const auto bytes = search(host, link->stop);
            if (link->stop)
                return; // quitting: no decode, and nothing written after the program is done
            if (bytes) {
                image = decodeFavicon(*bytes);
                if (image)
                    cache.write(host, *bytes); // a failure only costs a search after the next start
            }
        }
        const QMutexLocker lock(&link->mutex);
        if (Icons* icons = link->icons) // queued to the object: dropped if it goes before it runs
            QMetaObject::invokeMethod(
                icons, [icons, host, image] { icons->finishLoad(host, image); }, Qt::QueuedConnection);
    });
}

void Icons::finishLoad(const QString& host, const std::optional<QImage>& image)
{
    if (!image) {
        // Stays requested until the retry time, so nothing searches for it again before then.
        m_retryAt.insert(host, now() + m_retryDelay);
        return;
    }
    m_favicons.insert(host, *image);
    emit faviconsChanged(host);
}

std::optional<double> Icons::dominantHue(const QImage& image)
{
    return ::dominantHue(image);
}

std::optional<double> Icons::hueOf(const ItemKey& key)
{
    if (const auto found = m_hues.constFind(key); found != m_hues.cend())
        return *found;
    QImage image;
    if (key.kind == ItemKind::site) {
        const auto icon = favicon(key.id);
        if (!icon)
            return std::nullopt; // not cached: the next assignment looks again
        image = *icon;
    } else {
        image = appIcon(key.id);
    }
    const auto hue = dominantHue(image);
    m_hues.insert(key, hue);
    return hue;
}

QList<int> Icons::colorIndices(const Summary& summary, int count)
{
    const qsizetype n = std::min<qsizetype>({qsizetype(std::max(count, 0)), Palette::size, summary.items.size()});
    QList<std::optional<double>> itemHues;
    itemHues.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        itemHues.append(hueOf(summary.items[i].key));
    return Palette::assignIndices(itemHues);
}

QHash<ItemKey, AdaptiveColor> Icons::colors(const Summary& summary, int count)
{
    const QList<int> indices = colorIndices(summary, count);
    QHash<ItemKey, AdaptiveColor> result;
    result.reserve(indices.size());
    for (qsizetype i = 0; i < indices.size(); ++i)
        result.insert(summary.items[i].key, Palette::slices()[indices[i]]);
    return result;
}

std::chrono::nanoseconds Icons::now() const
{
    return m_clock ? m_clock() : bootTime();
}
