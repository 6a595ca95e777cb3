#include "Icons.h"

#include "AppIcons.h"
#include "BrowserIcons.h"
#include "DominantHue.h"
#include "Places.h"
#include "PngChunks.h"
#include "Summary.h"

#include <QBuffer>
#include <QImageReader>
#include <QThread>
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

} // namespace

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
                    [folders = BrowserIcons::Folders::from(places)](const QString& host) {
                        return BrowserIcons::imageData(host, folders);
                    },
                    std::chrono::seconds(120),
                    {}},
            parent)
{
}

Icons::Icons(const AppIcons& appIcons, Options options, QObject* parent)
    : QObject(parent), m_appIcons(appIcons), m_cache(std::move(options.cacheFolder)),
      m_search(std::move(options.search)), m_retryDelay(options.retryDelay), m_clock(std::move(options.now))
{
    // Searches open several databases; they must not compete with the desktop for the processor.
    m_pool.setThreadPriority(QThread::LowPriority);
    m_pool.setMaxThreadCount(2);
}

Icons::~Icons()
{
    m_pool.clear();
    m_pool.waitForDone();
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
    // The cache file first, then the browsers; both read, decoded and saved here, off the main thread.
    m_pool.start([this, host, cache = m_cache, search = m_search] {
        std::optional<QImage> image;
        if (const auto cached = cache.read(host))
            image = decodeFavicon(*cached);
        if (!image && search) {
            if (const auto bytes = search(host)) {
                image = decodeFavicon(*bytes);
                if (image)
                    cache.write(host, *bytes); // a failure only costs a search after the next start
            }
        }
        // Queued to this object: dropped if it is gone, and ~Icons waits for this task before it goes.
        QMetaObject::invokeMethod(
            this, [this, host, image] { finishLoad(host, image); }, Qt::QueuedConnection);
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
