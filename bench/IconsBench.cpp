// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What icons and colours cost: the hue of one icon, a favicon search over ten profile databases (found in
// the oldest, or nowhere), and the colour assignment of a popover refresh once every hue is known.
#include "AppIcons.h"
#include "BrowserIcons.h"
#include "DominantHue.h"
#include "FaviconDatabases.h"
#include "Icons.h"
#include "Summary.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QImage gradientIcon(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            image.setPixelColor(x, y, QColor::fromHsv((x * 360 / side) % 360, 200, 230, y % 7 ? 255 : 0));
    }
    return image;
}

QByteArray png(int side)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    gradientIcon(side).save(&buffer, "PNG");
    return bytes;
}

void BM_DominantHue(benchmark::State& state)
{
    const QImage icon = gradientIcon(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(dominantHue(icon));
}
BENCHMARK(BM_DominantHue)->Arg(16)->Arg(32)->Arg(64)->Arg(256)->Unit(benchmark::kMicrosecond);

// The costliest favicon a decode accepts: the largest side allowed, in noise that no filter shrinks.
void BM_DecodeLargestFavicon(benchmark::State& state)
{
    QImage noise(512, 512, QImage::Format_ARGB32);
    quint32 seed = 12345;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            noise.setPixel(x, y, seed);
        }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    noise.save(&buffer, "PNG");
    for (auto _ : state)
        benchmark::DoNotOptimize(Icons::decodeFavicon(bytes));
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_DecodeLargestFavicon)->Unit(benchmark::kMillisecond);

// Ten Chromium profiles of 300 sites each; only the oldest knows the asked host.
class Profiles
{
public:
    Profiles()
    {
        const QByteArray icon = png(32);
        const QDateTime base = QDateTime::currentDateTimeUtc().addDays(-1);
        for (int profile = 0; profile < 10; ++profile) {
            FaviconDatabase db(m_home.path() + QStringLiteral("/.config/chromium/Profile %1/Favicons").arg(profile),
                               BrowserIcons::Kind::chromium);
            db.exec("BEGIN");
            for (int site = 0; site < 300; ++site) {
                const QString host = QStringLiteral("site%1-%2.example").arg(profile).arg(site);
                db.addPageIcon(QStringLiteral("https://%1/").arg(host), 16, icon.left(200));
                db.addPageIcon(QStringLiteral("https://%1/").arg(host), 32, icon);
            }
            if (profile == 0)
                db.addPageIcon(QStringLiteral("http://www.wanted.example/"), 32, icon);
            db.exec("COMMIT");
            db.close();
            setModified(db.path(), base.addSecs(profile)); // profile 0 is the oldest, so asked last
        }
    }
    BrowserIcons::Folders folders() const
    {
        return {m_home.path(), m_home.path() + QStringLiteral("/.config"), m_home.path() + QStringLiteral("/tmp"),
                nullptr};
    }

private:
    QTemporaryDir m_home;
};

void BM_ImageDataFoundInTheLastDatabase(benchmark::State& state)
{
    const Profiles profiles;
    const auto folders = profiles.folders();
    if (!BrowserIcons::imageData(QStringLiteral("wanted.example"), folders))
        state.SkipWithError("not found");
    for (auto _ : state)
        benchmark::DoNotOptimize(BrowserIcons::imageData(QStringLiteral("wanted.example"), folders));
}
BENCHMARK(BM_ImageDataFoundInTheLastDatabase)->Unit(benchmark::kMillisecond);

void BM_ImageDataNotFound(benchmark::State& state)
{
    const Profiles profiles;
    const auto folders = profiles.folders();
    for (auto _ : state)
        benchmark::DoNotOptimize(BrowserIcons::imageData(QStringLiteral("nowhere.example"), folders));
}
BENCHMARK(BM_ImageDataNotFound)->Unit(benchmark::kMillisecond);

class BenchAppIcons final : public AppIcons
{
public:
    std::optional<QImage> icon(const QString& identifier) const override
    {
        return gradientIcon(32 + int(qHash(identifier) % 32));
    }
    QImage genericIcon() const override { return gradientIcon(16); }
};

void BM_ColorsWarm(benchmark::State& state)
{
    const BenchAppIcons appIcons;
    QTemporaryDir cache;
    Icons icons(appIcons, Icons::Options{cache.path(), {}, std::chrono::seconds(120), {}});
    Summary summary;
    for (int i = 0; i < 12; ++i) {
        const QString id = QStringLiteral("org.example.App%1").arg(i);
        summary.items.append({{ItemKind::app, id}, id, 1000.0 - i});
        summary.total += 1000.0 - i;
    }
    icons.colors(summary, 8);
    for (auto _ : state)
        benchmark::DoNotOptimize(icons.colors(summary, 8));
}
BENCHMARK(BM_ColorsWarm)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
