// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FaviconCache.h"

#include <QDirIterator>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct NameCase
{
    const char* name;
    QString host;
    QString expected; // empty: only the safety rules are checked
};

const QString longHost = QString(120, u'a') + QStringLiteral(".") + QString(200, u'b') + QStringLiteral(".com");

const NameCase nameCases[] = {
    {"plainHost", QStringLiteral("example.com"), QStringLiteral("example.com")},
    {"ipv4", QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.1")},
    {"dashesAndUnderscores", QStringLiteral("_dmarc.my-site.org"), QStringLiteral("_dmarc.my-site.org")},
    {"upperCase", QStringLiteral("Example.com"), QStringLiteral("~Example.com")},
    {"dotDot", QStringLiteral(".."), QStringLiteral("~..")},
    {"dot", QStringLiteral("."), QStringLiteral("~.")},
    {"hidden", QStringLiteral(".profile"), QStringLiteral("~.profile")},
    {"leadingDash", QStringLiteral("-rf"), QStringLiteral("~-rf")},
    {"traversal", QStringLiteral("../../etc/passwd"), QStringLiteral("~..%2F..%2Fetc%2Fpasswd")},
    {"backslash", QStringLiteral("a\\b"), QStringLiteral("~a%5Cb")},
    {"control", QStringLiteral("a\nb"), QStringLiteral("~a%0Ab")},
    {"percent", QStringLiteral("a%2Fb"), QStringLiteral("~a%252Fb")},
    {"unicode", QStringLiteral("bücher.de"), QStringLiteral("~b%C3%BCcher.de")},
    {"ipv6", QStringLiteral("[::1]"), QStringLiteral("~%5B%3A%3A1%5D")},
    {"empty", QString(), QStringLiteral("~")},
    {"tooLong", longHost, {}},
    {"tooLongToEncode", QString(100, QChar(0x00FC)), {}},
};

class CacheNameTest : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(CacheNameTest, StaysInsideTheFolder)
{
    const QString name = FaviconCache::fileName(GetParam().host);
    if (!GetParam().expected.isEmpty()) {
        EXPECT_EQ(name, GetParam().expected);
    }
    EXPECT_FALSE(name.isEmpty());
    EXPECT_NE(name, QStringLiteral("."));
    EXPECT_NE(name, QStringLiteral(".."));
    EXPECT_FALSE(name.contains(u'/'));
    EXPECT_LE(name.toUtf8().size(), 200);
    for (QChar c : name)
        EXPECT_GE(c.unicode(), 0x21) << name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Hosts, CacheNameTest, ::testing::ValuesIn(nameCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FaviconCache, DifferentHostsNeverShareAFile)
{
    QSet<QString> names;
    for (const NameCase& row : nameCases)
        names.insert(FaviconCache::fileName(row.host));
    // The encoded form of a name that looks like an encoded name.
    names.insert(FaviconCache::fileName(QStringLiteral("~example.com")));
    names.insert(FaviconCache::fileName(longHost + u'x'));
    EXPECT_EQ(names.size(), qsizetype(std::size(nameCases)) + 2);
}

TEST(FaviconCache, WritesAndReadsOnlyInsideItsFolder)
{
    QTemporaryDir root;
    const FaviconCache cache(root.filePath(QStringLiteral("cache/Horavane/Favicons")));
    const QStringList hosts{QStringLiteral("example.com"), QStringLiteral("../../escape"), QStringLiteral(".."),
                            longHost};
    for (const QString& host : hosts)
        ASSERT_TRUE(cache.write(host, host.toUtf8() + "-bytes"));
    for (const QString& host : hosts)
        EXPECT_EQ(cache.read(host), host.toUtf8() + "-bytes");

    QStringList everything;
    QDirIterator it(root.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        everything.append(it.next());
    EXPECT_EQ(everything.size(), hosts.size());
    for (const QString& file : everything)
        EXPECT_EQ(QFileInfo(file).path(), cache.folder());
}

TEST(FaviconCache, MissingEmptyOrOversizedFilesReadAsNothing)
{
    QTemporaryDir root;
    const FaviconCache cache(root.path());
    EXPECT_FALSE(cache.read(QStringLiteral("missing.com")));
    ASSERT_TRUE(cache.write(QStringLiteral("empty.com"), {}));
    EXPECT_FALSE(cache.read(QStringLiteral("empty.com")));
    ASSERT_TRUE(cache.write(QStringLiteral("big.com"), QByteArray(FaviconCache::maximumBytes + 1, 'x')));
    EXPECT_FALSE(cache.read(QStringLiteral("big.com")));
}

TEST(FaviconCache, UnwritableFolderFailsQuietly)
{
    QTemporaryDir root;
    QFile blocker(root.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const FaviconCache cache(root.filePath(QStringLiteral("file/Favicons"))); // a file stands where a folder should
    EXPECT_FALSE(cache.write(QStringLiteral("example.com"), "bytes"));
    EXPECT_FALSE(cache.read(QStringLiteral("example.com")));
}

} // namespace
