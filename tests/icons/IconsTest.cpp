// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Icons.h"
#include "FakeAppIcons.h"
#include "Summary.h"

#include <QBuffer>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QMutex>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <atomic>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

QImage solid(const QColor& color, int side = 16)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

QByteArray png(const QColor& color)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    solid(color).save(&buffer, "PNG");
    return bytes;
}

// The browsers' databases as a table of host → bytes, safe to call from the worker threads. The searches
// share its state, so one still running after a test's end touches nothing that is gone.
class FakeSearch
{
public:
    void set(const QString& host, const QByteArray& bytes)
    {
        QMutexLocker lock(&m_state->mutex);
        m_state->answers.insert(host, bytes);
    }
    // Makes every search wait until release().
    void hold() { m_state->held = true; }
    void release() { m_state->gate.release(1000); }
    int calls() const { return m_state->calls; }

    Icons::Search function()
    {
        return [state = m_state](const QString& host, const std::atomic_bool&) -> std::optional<QByteArray> {
            ++state->calls;
            if (state->held)
                state->gate.acquire();
            QMutexLocker lock(&state->mutex);
            if (const auto found = state->answers.constFind(host); found != state->answers.cend())
                return *found;
            return std::nullopt;
        };
    }

private:
    struct State
    {
        QMutex mutex;
        QHash<QString, QByteArray> answers;
        std::atomic<int> calls = 0;
        std::atomic<bool> held = false;
        QSemaphore gate;
    };
    std::shared_ptr<State> m_state = std::make_shared<State>();
};

class IconsTest : public ::testing::Test
{
protected:
    IconsTest()
        : m_icons(m_appIcons, Icons::Options{cacheFolder(), m_search.function(), 120s, [this] { return m_now; }})
    {
    }
    ~IconsTest() override { m_search.release(); }

    QString cacheFolder() const { return m_root.path() + QStringLiteral("/cache/Horavane/Favicons"); }
    QByteArray cached(const QString& host) const
    {
        QFile file(cacheFolder() + u'/' + host);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Lets queued results arrive.
    static void settle() { QTest::qWait(80); }
    bool loaded(const QString& host) const
    {
        return QTest::qWaitFor([&] { return !m_icons.isLoading(host); }, 30000);
    }

    QTemporaryDir m_root;
    FakeAppIcons m_appIcons;
    FakeSearch m_search;
    std::chrono::nanoseconds m_now = 1000s;
    Icons m_icons;
};

TEST_F(IconsTest, FoundFaviconIsAnnouncedCachedAndNeverSearchedAgain)
{
    const QString host = QStringLiteral("example.com");
    m_search.set(host, png(Qt::blue));
    m_search.hold();
    QSignalSpy changed(&m_icons, &Icons::faviconsChanged);

    EXPECT_FALSE(m_icons.favicon(host));
    EXPECT_FALSE(m_icons.favicon(host)); // the load is still running: no second one
    EXPECT_TRUE(m_icons.isRequested(host));
    m_search.release();
    ASSERT_TRUE(changed.wait(30000));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.first().first().toString(), host);

    const auto icon = m_icons.favicon(host);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->pixelColor(3, 3), QColor(Qt::blue));
    EXPECT_EQ(cached(host), png(Qt::blue));
    m_now += 1h;
    m_icons.favicon(host);
    settle();
    EXPECT_EQ(m_search.calls(), 1);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(IconsTest, CachedFileAnswersWithoutAskingTheBrowsers)
{
    const QString host = QStringLiteral("cached.org");
    QDir().mkpath(cacheFolder());
    QFile file(cacheFolder() + QStringLiteral("/cached.org"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(png(Qt::green));
    file.close();

    QSignalSpy changed(&m_icons, &Icons::faviconsChanged);
    EXPECT_FALSE(m_icons.favicon(host));
    ASSERT_TRUE(changed.wait(30000));
    ASSERT_TRUE(m_icons.favicon(host));
    EXPECT_EQ(m_icons.favicon(host)->pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(m_search.calls(), 0);
}

TEST_F(IconsTest, UnreadableCacheFileIsReplacedByTheBrowsersIcon)
{
    const QString host = QStringLiteral("stale.net");
    QDir().mkpath(cacheFolder());
    QFile file(cacheFolder() + u'/' + host);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an image");
    file.close();
    m_search.set(host, png(Qt::red));

    QSignalSpy changed(&m_icons, &Icons::faviconsChanged);
    m_icons.favicon(host);
    ASSERT_TRUE(changed.wait(30000));
    EXPECT_EQ(m_search.calls(), 1);
    EXPECT_EQ(cached(host), png(Qt::red));
}

struct MissCase
{
    const char* name;
    QByteArray answer; // what the search returns; null: nothing
};

class FailedSearchTest : public IconsTest, public ::testing::WithParamInterface<MissCase>
{
};

TEST_P(FailedSearchTest, WaitsTwoMinutesBeforeSearchingAgain)
{
    const QString host = QStringLiteral("nothing.io");
    if (!GetParam().answer.isNull())
        m_search.set(host, GetParam().answer);
    QSignalSpy changed(&m_icons, &Icons::faviconsChanged);

    EXPECT_FALSE(m_icons.favicon(host));
    ASSERT_TRUE(loaded(host));
    EXPECT_EQ(m_search.calls(), 1);
    m_now += 119s;
    EXPECT_FALSE(m_icons.favicon(host));
    EXPECT_TRUE(m_icons.isRequested(host));
    settle();
    EXPECT_EQ(m_search.calls(), 1);

    m_now += 1s;
    EXPECT_FALSE(m_icons.favicon(host));
    ASSERT_TRUE(loaded(host));
    EXPECT_EQ(m_search.calls(), 2);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(QFileInfo::exists(cacheFolder() + u'/' + host)); // nothing unusable is cached
}

INSTANTIATE_TEST_SUITE_P(Icons, FailedSearchTest,
                         ::testing::Values(MissCase{"noBytes", QByteArray()}, MissCase{"notAnImage", "<html>"},
                                           MissCase{"emptyBytes", QByteArray("")}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(IconsTest, HostileHostIsCachedInsideTheCacheFolder)
{
    const QString host = QStringLiteral("../../../outside");
    m_search.set(host, png(Qt::cyan));
    QSignalSpy changed(&m_icons, &Icons::faviconsChanged);
    m_icons.favicon(host);
    ASSERT_TRUE(changed.wait(30000));

    QStringList files;
    QDirIterator it(m_root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(QFileInfo(files.first()).path(), cacheFolder());
}

TEST_F(IconsTest, ApplicationIconIsLookedUpOnce)
{
    m_appIcons.setIcon(QStringLiteral("org.gnome.Calculator"), solid(Qt::red));
    EXPECT_EQ(m_icons.appIcon(QStringLiteral("org.gnome.Calculator")).pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(m_icons.appIcon(QStringLiteral("org.gnome.Calculator")).pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(m_appIcons.asked(QStringLiteral("org.gnome.Calculator")), 1);

    // A display name rather than an identifier: the generic icon, also kept.
    EXPECT_EQ(m_icons.appIcon(QStringLiteral("Some Tool")), m_appIcons.generic());
    EXPECT_EQ(m_icons.appIcon(QStringLiteral("Some Tool")), m_appIcons.generic());
    EXPECT_EQ(m_appIcons.asked(QStringLiteral("Some Tool")), 1);
}

UsageItem app(const QString& id, double seconds)
{
    return {{ItemKind::app, id}, id, seconds};
}

UsageItem site(const QString& host, double seconds)
{
    return {{ItemKind::site, host}, host, seconds};
}

Summary summaryOf(const QList<UsageItem>& items)
{
    Summary summary;
    summary.items = items;
    for (const UsageItem& item : items)
        summary.total += item.seconds;
    return summary;
}

struct ColorCase
{
    const char* name;
    QList<std::optional<QColor>> icons; // one app per entry, largest first; none: a grey icon
    int count;
    QList<int> expected;
};

const std::optional<QColor> grey = std::nullopt;

const ColorCase colorCases[] = {
    {"redThenOrange", {QColor(Qt::red), QColor(0xF4, 0x72, 0x30)}, 8, {7, 1}},
    {"greyIconsByAdjacencyAlone", {grey, grey, grey}, 8, {0, 1, 2}},
    {"greenGreyRedBlue", {QColor(0, 255, 0), grey, QColor(Qt::red), QColor::fromHsv(200, 255, 255)}, 8, {5, 0, 7, 2}},
    {"countLimitsTheItems", {grey, grey, grey, grey, grey}, 3, {0, 1, 2}},
    {"atMostEight", {grey, grey, grey, grey, grey, grey, grey, grey, grey, grey}, 12, {0, 1, 2, 3, 6, 4, 5, 7}},
    {"zeroCount", {grey, grey}, 0, {}},
};

class ColorsTest : public IconsTest, public ::testing::WithParamInterface<ColorCase>
{
};

TEST_P(ColorsTest, IndicesAndColours)
{
    QList<UsageItem> items;
    for (int i = 0; i < GetParam().icons.size(); ++i) {
        const QString id = QStringLiteral("app%1").arg(i);
        m_appIcons.setIcon(id, solid(GetParam().icons[i].value_or(QColor(90, 90, 90))));
        items.append(app(id, 1000 - i));
    }
    const Summary summary = summaryOf(items);
    EXPECT_EQ(m_icons.colorIndices(summary, GetParam().count), GetParam().expected);

    const auto colors = m_icons.colors(summary, GetParam().count);
    EXPECT_EQ(colors.size(), GetParam().expected.size());
    for (int i = 0; i < GetParam().expected.size(); ++i)
        EXPECT_EQ(colors.value(items[i].key), Palette::slices()[GetParam().expected[i]]) << i;
}

INSTANTIATE_TEST_SUITE_P(Icons, ColorsTest, ::testing::ValuesIn(colorCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(IconsTest, HuesAreComputedOnceAndGreyIsRemembered)
{
    m_appIcons.setIcon(QStringLiteral("grey"), solid(QColor(90, 90, 90)));
    m_appIcons.setIcon(QStringLiteral("blue"), solid(Qt::blue));
    const Summary summary = summaryOf({app(QStringLiteral("grey"), 20), app(QStringLiteral("blue"), 10)});
    m_icons.colors(summary, 8);
    m_icons.colors(summary, 8);
    EXPECT_EQ(m_appIcons.asked(QStringLiteral("grey")), 1);
    const ItemKey greyKey{ItemKind::app, QStringLiteral("grey")};
    ASSERT_TRUE(m_icons.hues().contains(greyKey));
    EXPECT_FALSE(m_icons.hues().value(greyKey).has_value());
    EXPECT_NEAR(m_icons.hues().value({ItemKind::app, QStringLiteral("blue")}).value_or(-1), 240, 0.5);
}

TEST_F(IconsTest, SiteWithoutFaviconYetIsTriedAgainOnTheNextAssignment)
{
    const QString host = QStringLiteral("blue.example");
    m_search.set(host, png(Qt::blue));
    const Summary summary = summaryOf({site(host, 60), app(QStringLiteral("Other"), 30)});
    QSignalSpy changed(&m_icons, &Icons::faviconsChanged);

    EXPECT_EQ(m_icons.colorIndices(summary, 8), (QList<int>{0, 1})); // no hue yet: adjacency alone
    EXPECT_FALSE(m_icons.hues().contains({ItemKind::site, host}));
    ASSERT_TRUE(changed.wait(30000));
    EXPECT_EQ(m_icons.colorIndices(summary, 8), (QList<int>{6, 1})); // now violet, nearest to blue
    EXPECT_TRUE(m_icons.hues().contains({ItemKind::site, host}));
}

TEST(IconsLifetime, QuittingNeverWaitsForASearchAndDropsItsResult)
{
    QTemporaryDir root;
    FakeAppIcons appIcons;
    // Shared with the search, which outlives the object it was started for.
    struct Held
    {
        QSemaphore started, gate;
        std::atomic<bool> stopSeen = false, ended = false;
    };
    const auto held = std::make_shared<Held>();
    auto icons = std::make_unique<Icons>(
        appIcons, Icons::Options{root.path(),
                                 [held](const QString&, const std::atomic_bool& stop) -> std::optional<QByteArray> {
                                     held->started.release();
                                     // A search stuck in a browser's database, until the test lets it go;
                                     // the limit only turns a destructor that waits into a failure.
                                     held->gate.tryAcquire(1, 30000);
                                     held->stopSeen = stop.load();
                                     held->ended = true;
                                     return png(Qt::red);
                                 },
                                 120s,
                                 {}});
    icons->favicon(QStringLiteral("example.com"));
    ASSERT_TRUE(held->started.tryAcquire(1, 10000));
    icons.reset();
    EXPECT_FALSE(held->ended) << "quitting waited for the search";
    held->gate.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return held->ended.load(); }, 10000));
    EXPECT_TRUE(held->stopSeen);
    QTest::qWait(50); // a result posted to the gone object would arrive here
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("example.com")))) << "written after quitting";
}

} // namespace

TEST(FaviconDecoding, OnlySmallRasterImagesAreDecodedAndNothingTakesLong)
{
    // Each level references the one below ten times: 10^9 shapes for a renderer that expands them.
    QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"><defs>)"
                     R"(<rect id="l0" width="1" height="1"/>)";
    for (int level = 1; level <= 9; ++level) {
        svg += "<g id=\"l" + QByteArray::number(level) + "\">";
        for (int i = 0; i < 10; ++i)
            svg += "<use xlink:href=\"#l" + QByteArray::number(level - 1) + "\"/>";
        svg += "</g>";
    }
    svg += R"(</defs><use xlink:href="#l9"/></svg>)";
    const auto encoded = [](const QImage& image, const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    };
    QImage labelled = solid(Qt::red, 16);
    labelled.setText(QStringLiteral("Comment"), QStringLiteral("favicon"));
    const QByteArray withText = encoded(labelled, "PNG");
    // A text chunk of the given length, before the end chunk (its last 12 bytes), and its first bytes only.
    const auto announcing = [&](quint32 length) -> QByteArray {
        QByteArray chunk(4, '\0');
        qToBigEndian(length, chunk.data());
        return QByteArray(withText).insert(withText.size() - 12, chunk + "tEXtComment");
    };
    // An icon file of one 16-pixel image, stored as PNG.
    const auto icoHolding = [](const QByteArray& image) -> QByteArray {
        QByteArray entry(16, '\0');
        entry[0] = entry[1] = 16;
        qToLittleEndian<quint16>(1, entry.data() + 4);
        qToLittleEndian<quint16>(32, entry.data() + 6);
        qToLittleEndian<quint32>(quint32(image.size()), entry.data() + 8);
        qToLittleEndian<quint32>(22, entry.data() + 12);
        return QByteArray("\0\0\1\0\1\0", 6) + entry + image;
    };
    const struct
    {
        const char* name;
        QByteArray bytes;
        bool decoded;
    } cases[] = {
        {"png", png(Qt::red), true},
        {"largest side allowed", encoded(solid(Qt::blue, 512), "PNG"), true},
        {"ico", encoded(solid(Qt::green, 32), "ICO"), true},
        {"wider than any favicon", encoded(QImage(513, 8, QImage::Format_ARGB32), "PNG"), false},
        {"svg with nested references", svg, false},
        {"plain svg", R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16"/>)", false},
        {"garbage", QByteArray(600, '\x7f'), false},
        {"png with a text chunk", withText, true},
        // libpng would set aside the 2 GB the chunk announces before finding the data short.
        {"png announcing a chunk longer than itself", announcing(0x7ffffff0), false},
        {"ico holding a png", icoHolding(withText), true},
        {"ico holding such a png", icoHolding(announcing(0x7ffffff0)), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(Icons::decodeFavicon(c.bytes).has_value(), c.decoded);
        // Generous for a loaded machine; an expanding renderer takes minutes on the nested file.
        EXPECT_LT(timer.elapsed(), 2000);
    }
}
