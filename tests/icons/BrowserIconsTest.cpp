// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserIcons.h"
#include "FaviconDatabases.h"
#include "Places.h"
#include "TestFiles.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace BrowserIcons;

namespace {

QByteArray bytes(const char* text)
{
    return QByteArray(text);
}

class BrowserIconsTest : public ::testing::Test
{
protected:
    QString home() const { return m_home.path(); }
    Folders folders() const
    {
        return {home(), home() + QStringLiteral("/.config"), home() + QStringLiteral("/tmp"), nullptr};
    }
    QString path(const QString& relative) const { return home() + u'/' + relative; }

    QTemporaryDir m_home;
};

// Where each kind keeps its database in a Linux profile.
QString profileDatabase(Kind kind)
{
    return kind == Kind::chromium ? QStringLiteral(".config/chromium/Default/Favicons")
                                  : QStringLiteral(".mozilla/firefox/abc.default-esr/favicons.sqlite");
}

struct PrefixCase
{
    const char* name;
    const char* recordedPage;
    const char* host;
    bool found;
};

const PrefixCase prefixCases[] = {
    {"https", "https://example.com/", "example.com", true},
    {"httpsWww", "https://www.example.com/news", "example.com", true},
    {"http", "http://example.com/a?b", "example.com", true},
    {"httpWwwOnly", "http://www.example.com/", "example.com", true},
    {"longerHost", "https://example.community/", "example.com", false},
    {"hostAsSubdomainOfAnother", "https://example.com.evil.net/", "example.com", false},
    {"subdomain", "https://mail.example.com/", "example.com", false},
    {"parentDomain", "https://example.com/", "mail.example.com", false},
    {"otherScheme", "ftp://example.com/", "example.com", false},
    {"port", "https://example.com:8443/", "example.com", false},
    {"caseMatters", "https://EXAMPLE.com/", "example.com", false},
};

class PrefixTest : public BrowserIconsTest, public ::testing::WithParamInterface<std::tuple<Kind, PrefixCase>>
{
};

TEST_P(PrefixTest, SelectsExactlyTheHostsPages)
{
    const auto [kind, row] = GetParam();
    FaviconDatabase db(path(profileDatabase(kind)), kind);
    db.addPageIcon(QString::fromLatin1(row.recordedPage), 16, bytes("icon"));
    const auto found = lookup(QString::fromLatin1(row.host), {db.path(), kind}, folders().temporary);
    EXPECT_EQ(found.has_value(), row.found);
    if (row.found) {
        EXPECT_EQ(*found, bytes("icon"));
    }
}

INSTANTIATE_TEST_SUITE_P(Both, PrefixTest,
                         ::testing::Combine(::testing::Values(Kind::chromium, Kind::firefox),
                                            ::testing::ValuesIn(prefixCases)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) == Kind::chromium ? "chromium_" : "firefox_") +
                                    std::get<1>(info.param).name;
                         });

class KindTest : public BrowserIconsTest, public ::testing::WithParamInterface<Kind>
{
};

TEST_P(KindTest, EarlierPrefixWinsOverAWiderIconOfALaterOne)
{
    FaviconDatabase db(path(profileDatabase(GetParam())), GetParam());
    db.addPageIcon(QStringLiteral("http://www.example.com/"), 64, bytes("wide, plain http"));
    db.addPageIcon(QStringLiteral("https://example.com/"), 16, bytes("narrow, https"));
    EXPECT_EQ(lookup(QStringLiteral("example.com"), {db.path(), GetParam()}, {}), bytes("narrow, https"));
}

TEST_P(KindTest, WidestIconOfThePrefixWins)
{
    FaviconDatabase db(path(profileDatabase(GetParam())), GetParam());
    db.addPageIcon(QStringLiteral("https://example.com/"), 16, bytes("16"));
    db.addPageIcon(QStringLiteral("https://example.com/about"), 32, bytes("32"));
    db.addPageIcon(QStringLiteral("https://example.com/x"), 24, bytes("24"));
    EXPECT_EQ(lookup(QStringLiteral("example.com"), {db.path(), GetParam()}, {}), bytes("32"));
}

TEST_P(KindTest, IconWithoutBytesIsPassedOver)
{
    FaviconDatabase db(path(profileDatabase(GetParam())), GetParam());
    db.addPageIcon(QStringLiteral("https://example.com/"), 64, QByteArray());
    db.addPageIcon(QStringLiteral("https://example.com/b"), 16, bytes("small"));
    EXPECT_EQ(lookup(QStringLiteral("example.com"), {db.path(), GetParam()}, {}), bytes("small"));
}

TEST_P(KindTest, HugeBlobIsPassedOverQuietly)
{
    FaviconDatabase db(path(profileDatabase(GetParam())), GetParam());
    db.addPageIcon(QStringLiteral("https://example.com/"), 64, QByteArray(maximumBytes + 1, 'x'));
    db.addPageIcon(QStringLiteral("http://example.com/"), 16, bytes("sane"));
    EXPECT_EQ(lookup(QStringLiteral("example.com"), {db.path(), GetParam()}, {}), bytes("sane"));

    FaviconDatabase only(path(QStringLiteral("only/") + databaseName(GetParam())), GetParam());
    only.addPageIcon(QStringLiteral("https://example.com/"), 64, QByteArray(maximumBytes + 1, 'x'));
    EXPECT_FALSE(lookup(QStringLiteral("example.com"), {only.path(), GetParam()}, {}));
}

TEST_P(KindTest, CorruptFileYieldsNothing)
{
    const QString file = path(profileDatabase(GetParam()));
    writeFile(file, QByteArray("SQLite format 3") + QByteArray(4096, '\x7f'));
    EXPECT_FALSE(lookup(QStringLiteral("example.com"), {file, GetParam()}, {}));
    EXPECT_FALSE(lookup(QStringLiteral("example.com"), {path(QStringLiteral("missing")), GetParam()}, {}));
}

TEST_P(KindTest, DatabaseOfAnotherShapeYieldsNothing)
{
    const Kind other = GetParam() == Kind::chromium ? Kind::firefox : Kind::chromium;
    FaviconDatabase db(path(profileDatabase(GetParam())), other); // the other browser's tables
    db.addPageIcon(QStringLiteral("https://example.com/"), 16, bytes("icon"));
    EXPECT_FALSE(lookup(QStringLiteral("example.com"), {db.path(), GetParam()}, {}));
}

TEST_P(KindTest, ProfileFolderNamesNeedNoCare)
{
    // Spaces (Chromium's "Profile 1") and characters that mean something in a URI.
    const Kind kind = GetParam();
    FaviconDatabase db(path(QStringLiteral("Profile 1 #2?x=%41&y/") + databaseName(kind)), kind);
    db.addPageIcon(QStringLiteral("https://example.com/"), 16, bytes("icon"));
    EXPECT_EQ(lookup(QStringLiteral("example.com"), {db.path(), kind}, {}), bytes("icon"));
}

INSTANTIATE_TEST_SUITE_P(Both, KindTest, ::testing::Values(Kind::chromium, Kind::firefox),
                         [](const auto& info) { return info.param == Kind::chromium ? "chromium" : "firefox"; });

TEST_F(BrowserIconsTest, GeckoVectorIconsSortAfterEveryBitmap)
{
    FaviconDatabase db(path(profileDatabase(Kind::firefox)), Kind::firefox);
    db.addPageIcon(QStringLiteral("https://example.com/"), 65535, bytes("svg"),
                   QStringLiteral("https://example.com/i.svg"));
    db.addPageIcon(QStringLiteral("https://example.com/"), 32, bytes("png"),
                   QStringLiteral("https://example.com/i.png"));
    EXPECT_EQ(lookup(QStringLiteral("example.com"), {db.path(), Kind::firefox}, {}), bytes("png"));

    FaviconDatabase vectorOnly(path(QStringLiteral("v/favicons.sqlite")), Kind::firefox);
    vectorOnly.addPageIcon(QStringLiteral("https://example.com/"), 65535, bytes("svg"));
    EXPECT_EQ(lookup(QStringLiteral("example.com"), {vectorOnly.path(), Kind::firefox}, {}), bytes("svg"));
}

TEST_F(BrowserIconsTest, GeckoRootIconsAnswerWhenNoPageHasOne)
{
    FaviconDatabase db(path(profileDatabase(Kind::firefox)), Kind::firefox);
    db.addRootIcon(QStringLiteral("https://www.example.com/favicon.ico"), 16, bytes("root"));
    db.addRootIcon(QStringLiteral("https://example.org/favicon.ico"), 16, bytes("not root"), false);
    EXPECT_EQ(lookup(QStringLiteral("example.com"), {db.path(), Kind::firefox}, {}), bytes("root"));
    EXPECT_FALSE(lookup(QStringLiteral("example.org"), {db.path(), Kind::firefox}, {}));

    // An icon of a page comes first, even a narrower one under a later prefix.
    db.addPageIcon(QStringLiteral("http://example.com/"), 8, bytes("page"));
    EXPECT_EQ(lookup(QStringLiteral("example.com"), {db.path(), Kind::firefox}, {}), bytes("page"));
}

TEST_F(BrowserIconsTest, IconsOfARunningGeckoBrowserAreReadFromACopy)
{
    FaviconDatabase browser(path(profileDatabase(Kind::firefox)), Kind::firefox, true);
    browser.exec("PRAGMA wal_checkpoint(TRUNCATE)"); // the tables are in the file, the new icon only in the log
    browser.addPageIcon(QStringLiteral("https://example.com/"), 16, bytes("in the log"));
    const QString database = browser.path();
    ASSERT_GT(QFileInfo(database + QStringLiteral("-wal")).size(), 0);
    const auto fingerprint = [&] {
        QByteArray all;
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
            QFile file(database + suffix);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            all += QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
            all += QFileInfo(file).lastModified().toString(Qt::ISODateWithMs).toLatin1();
        }
        return all;
    };
    const QByteArray before = fingerprint();

    const QString scratch = path(QStringLiteral("scratch"));
    EXPECT_EQ(lookup(QStringLiteral("example.com"), {database, Kind::firefox}, scratch), bytes("in the log"));
    EXPECT_EQ(fingerprint(), before); // the browser's files are untouched
    EXPECT_TRUE(QDir(scratch).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)); // the copy is gone
    EXPECT_FALSE(lookup(QStringLiteral("example.org"), {database, Kind::firefox}, scratch));
    EXPECT_TRUE(QDir(scratch).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(BrowserIconsTest, DatabasesCoverEveryLayoutAndNothingElse)
{
    const QStringList files{
        QStringLiteral(".config/chromium/Default/Favicons"),
        QStringLiteral(".config/chromium/Profile 2/Favicons"),
        QStringLiteral(".config/BraveSoftware/Brave-Browser/Default/Favicons"),
        QStringLiteral(".config/mozilla/firefox/new.default-esr/favicons.sqlite"),
        QStringLiteral(".mozilla/firefox/old.default/favicons.sqlite"),
        QStringLiteral(".librewolf/p/favicons.sqlite"),
        QStringLiteral(".var/app/org.chromium.Chromium/config/chromium/Default/Favicons"),
        QStringLiteral(".var/app/org.mozilla.firefox/.mozilla/firefox/f.default/favicons.sqlite"),
        QStringLiteral("snap/chromium/common/chromium/Default/Favicons"),
        QStringLiteral("snap/firefox/common/.mozilla/firefox/s.default/favicons.sqlite"),
    };
    const QStringList ignored{
        QStringLiteral(".config/chromium/Default/Cache/Favicons"),  // too deep
        QStringLiteral(".config/chromium/Default/favicons.sqlite"), // the other kind's name
        QStringLiteral(".config/unknown-browser/Default/Favicons"), // not a browser folder
        QStringLiteral(".mozilla/firefox/old.default/Favicons"),    // the other kind's name
    };
    for (const QString& file : files + ignored)
        writeFile(path(file), {});
    QDir().mkpath(path(QStringLiteral(".config/google-chrome/Default/Favicons"))); // a folder, not a file

    QStringList found;
    for (const Database& database : databases(folders())) {
        found.append(QDir(home()).relativeFilePath(database.path));
        EXPECT_EQ(database.kind, database.path.endsWith(QStringLiteral("/Favicons")) ? Kind::chromium : Kind::firefox);
    }
    found.sort();
    QStringList expected = files;
    expected.sort();
    EXPECT_EQ(found, expected);
}

TEST_F(BrowserIconsTest, NewestDatabaseFirstEqualTimesInRootOrder)
{
    const QDateTime base = QDateTime::currentDateTimeUtc().addDays(-1);
    const QString chromium = path(QStringLiteral(".config/chromium/Default/Favicons"));
    const QString chrome = path(QStringLiteral(".config/google-chrome/Default/Favicons"));
    const QString gecko = path(QStringLiteral(".mozilla/firefox/a/favicons.sqlite"));
    const QString geckoLog = gecko + QStringLiteral("-wal");
    for (const QString& file : {chromium, chrome, gecko, geckoLog})
        writeFile(file, {});
    setModified(chromium, base);
    setModified(chrome, base);
    setModified(gecko, base.addSecs(-3600));
    setModified(geckoLog, base.addSecs(60)); // a running Gecko browser writes only its log
    const QList<Database> expected{{gecko, Kind::firefox}, {chromium, Kind::chromium}, {chrome, Kind::chromium}};
    EXPECT_EQ(databases(folders()), expected);
}

TEST_F(BrowserIconsTest, ImageDataComesFromTheNewestDatabaseThatHasTheHost)
{
    const QDateTime base = QDateTime::currentDateTimeUtc().addDays(-1);
    FaviconDatabase older(path(profileDatabase(Kind::chromium)), Kind::chromium);
    older.addPageIcon(QStringLiteral("https://example.com/"), 16, bytes("older"));
    older.addPageIcon(QStringLiteral("https://only-older.net/"), 16, bytes("only older"));
    older.close();
    FaviconDatabase newer(path(profileDatabase(Kind::firefox)), Kind::firefox);
    newer.addPageIcon(QStringLiteral("https://example.com/"), 16, bytes("newer"));
    newer.close();
    const QString corrupt = path(QStringLiteral(".config/vivaldi/Default/Favicons"));
    writeFile(corrupt, "not a database");
    setModified(older.path(), base);
    setModified(newer.path(), base.addSecs(10));
    setModified(corrupt, base.addSecs(20)); // newest, but unreadable: the search goes on

    EXPECT_EQ(imageData(QStringLiteral("example.com"), folders()), bytes("newer"));
    EXPECT_EQ(imageData(QStringLiteral("only-older.net"), folders()), bytes("only older"));
    EXPECT_FALSE(imageData(QStringLiteral("nowhere.org"), folders()));
    EXPECT_FALSE(imageData(QString(), folders()));
    const std::atomic_bool stop = true; // the program is quitting: nothing is wanted any more
    EXPECT_FALSE(imageData(QStringLiteral("example.com"), folders(), &stop));

    setModified(older.path(), base.addSecs(30));
    EXPECT_EQ(imageData(QStringLiteral("example.com"), folders()), bytes("older"));
}

TEST_F(BrowserIconsTest, MissingProfileRootsYieldNoDatabases)
{
    EXPECT_TRUE(databases(folders()).isEmpty());
    EXPECT_TRUE(databases({path(QStringLiteral("no/such/home")), path(QStringLiteral("no/config")), {}, {}}).isEmpty());
}

TEST(BrowserIconsFolders, ConfigurationFolderFollowsTheEnvironment)
{
    struct FixedPlaces final : Places
    {
        QString dataFolder() const override { return {}; }
        QString cacheFolder() const override { return {}; }
        QString temporaryFolder() const override { return QStringLiteral("/scratch"); }
        QString homeFolder() const override { return QStringLiteral("/home/u"); }
    } places;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");

    qputenv("XDG_CONFIG_HOME", "/elsewhere/config");
    EXPECT_EQ(Folders::from(places).configHome, QStringLiteral("/elsewhere/config"));
    qputenv("XDG_CONFIG_HOME", "relative/config"); // invalid by the XDG rules
    EXPECT_EQ(Folders::from(places).configHome, QStringLiteral("/home/u/.config"));
    qunsetenv("XDG_CONFIG_HOME");
    const Folders folders = Folders::from(places);
    EXPECT_EQ(folders.configHome, QStringLiteral("/home/u/.config"));
    EXPECT_EQ(folders.home, QStringLiteral("/home/u"));
    EXPECT_EQ(folders.temporary, QStringLiteral("/scratch"));

    if (wasSet)
        qputenv("XDG_CONFIG_HOME", saved);
}

} // namespace

TEST_F(BrowserIconsTest, ARunningBrowsersDatabaseIsCopiedOncePerChange)
{
    FaviconDatabase browser(path(profileDatabase(Kind::firefox)), Kind::firefox, true);
    browser.exec("PRAGMA wal_checkpoint(TRUNCATE)");
    browser.addPageIcon(QStringLiteral("https://example.com/"), 16, bytes("first"));
    const BrowserIcons::Database database{browser.path(), Kind::firefox};
    BrowserIcons::Copies copies(path(QStringLiteral("scratch")));
    const auto copy = copies.of(database);
    ASSERT_TRUE(copy);
    EXPECT_FALSE(lookup(QStringLiteral("missing.example"), database, copies));
    EXPECT_EQ(lookup(QStringLiteral("example.com"), database, copies), bytes("first"));
    EXPECT_EQ(copies.of(database), copy); // nothing changed: the same copy, not a new one
    const QFileInfo copied(copy->filePath(QStringLiteral("favicons.sqlite")));
    EXPECT_EQ(copied.permissions() & 0x0077, 0); // nobody but the user

    browser.addPageIcon(QStringLiteral("https://example.org/"), 16, bytes("second")); // the log grows
    EXPECT_EQ(lookup(QStringLiteral("example.org"), database, copies), bytes("second"));
    EXPECT_NE(copies.of(database), copy);
}
