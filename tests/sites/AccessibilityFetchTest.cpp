// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AccessibilityFetch.h"
#include "FakeAccessibility.h"

#include <gtest/gtest.h>

using Outcome = BrowserFetch::Outcome;
using Role = AccessibleRole;

namespace {

constexpr qint64 pid = 77;
constexpr std::chrono::milliseconds anyTimeout{2000};

class AccessibilityFetchTest : public ::testing::Test
{
protected:
    AccessibilityFetchTest()
    {
        ax.addBrowser(pid, QStringLiteral("frame"));
        ax.names.insert(QStringLiteral("frame"), QStringLiteral("Page"));
    }

    Outcome fetch(BrowserFamily family) const { return fetcher.fetch(pid, family, anyTimeout); }

    void showPage(const QString& address)
    {
        ax.add(QStringLiteral("frame"), Role::window, {QStringLiteral("page")});
        ax.add(QStringLiteral("page"), Role::webArea, {}, address, QSizeF(1000, 800));
    }

    FakeAccessibility ax;
    bool alwaysPrivate = false;
    int profileReads = 0;
    AccessibilityFetch fetcher{ax, [this] { return ax.now(); },
                               [this](qint64) {
                                   ++profileReads;
                                   return alwaysPrivate;
                               }};
};

TEST_F(AccessibilityFetchTest, PageAddressBecomesItsHost)
{
    showPage(QStringLiteral(" https://WWW.Example.org:8443/path?q=1#top "));
    EXPECT_EQ(fetch(BrowserFamily::firefox), Outcome::answered(QStringLiteral("example.org")));
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::answered(QStringLiteral("example.org")));
}

TEST_F(AccessibilityFetchTest, PageThatIsNotAWebsiteIsAnAnswerWithoutHost)
{
    showPage(QStringLiteral("about:blank"));
    EXPECT_EQ(fetch(BrowserFamily::firefox), Outcome::answered(std::nullopt));
}

TEST_F(AccessibilityFetchTest, RefusalAndFailurePassThrough)
{
    ax.enabled = false;
    EXPECT_EQ(fetch(BrowserFamily::firefox), Outcome::denied());
    ax.enabled = true;
    ax.apps.insert(pid, {std::nullopt, Accessibility::Error::noReply});
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::failed(Accessibility::Error::noReply));
}

TEST_F(AccessibilityFetchTest, PrivateChromiumWindowIsNeverRead)
{
    showPage(QStringLiteral("https://secret.example/"));
    ax.names.insert(QStringLiteral("frame"), QStringLiteral("Secret - Chromium (Incognito)"));
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::answered(std::nullopt));
    EXPECT_TRUE(ax.visited.isEmpty());
}

TEST_F(AccessibilityFetchTest, PrivateFirefoxWindowIsNeverRead)
{
    showPage(QStringLiteral("https://secret.example/"));
    ax.names.insert(QStringLiteral("frame"), QStringLiteral("Secret — Mozilla Firefox Private Browsing"));
    EXPECT_EQ(fetch(BrowserFamily::firefox), Outcome::answered(std::nullopt));
    EXPECT_TRUE(ax.visited.isEmpty());
}

TEST_F(AccessibilityFetchTest, EachFamilyChecksItsOwnPrivateTitle)
{
    showPage(QStringLiteral("https://page.example/"));
    ax.names.insert(QStringLiteral("frame"), QStringLiteral("Page (Incognito)"));
    EXPECT_EQ(fetch(BrowserFamily::firefox), Outcome::answered(QStringLiteral("page.example")));
    ax.names.insert(QStringLiteral("frame"), QStringLiteral("Private Browsing tips — Mozilla Firefox"));
    EXPECT_EQ(fetch(BrowserFamily::firefox), Outcome::answered(QStringLiteral("page.example")));
    ax.names.insert(QStringLiteral("frame"), QStringLiteral("Page — Mozilla Firefox Private Browsing"));
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::answered(QStringLiteral("page.example")));
}

TEST_F(AccessibilityFetchTest, ChromiumWindowWithoutAnyPageForAWhileIsARefusal)
{
    // What Chromium shows over AT-SPI 2 unless started with --force-renderer-accessibility, and also
    // for a moment after it opens a window with it.
    ax.add(QStringLiteral("frame"), Role::window);
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::answered(std::nullopt));
    ax.elapsed += AccessibilityFetch::refusalAfter / 2;
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::answered(std::nullopt));
    ax.elapsed += AccessibilityFetch::refusalAfter / 2;
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::denied());
    EXPECT_EQ(fetch(BrowserFamily::firefox), Outcome::answered(std::nullopt));
}

TEST_F(AccessibilityFetchTest, ChromiumPageShownInBetweenStartsTheWaitAgain)
{
    ax.add(QStringLiteral("frame"), Role::window);
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::answered(std::nullopt));
    ax.elapsed += AccessibilityFetch::refusalAfter;
    showPage(QStringLiteral("https://example.org/"));
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::answered(QStringLiteral("example.org")));
    ax.add(QStringLiteral("frame"), Role::window);
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::answered(std::nullopt));
    ax.elapsed += AccessibilityFetch::refusalAfter;
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::denied());
}

TEST_F(AccessibilityFetchTest, ChromiumInterfacePageIsNoRefusal)
{
    showPage(QStringLiteral("chrome://newtab/"));
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::answered(std::nullopt));
}

TEST_F(AccessibilityFetchTest, ChromiumWalkCutShortIsNoRefusal)
{
    QStringList children;
    for (int i = 0; i < 600; ++i) {
        children.append(QString::number(i));
        ax.add(QString::number(i), Role::other);
    }
    ax.add(QStringLiteral("frame"), Role::window, children);
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::answered(std::nullopt));
}

TEST_F(AccessibilityFetchTest, ChromiumWithoutWindowIsNoRefusal)
{
    ax.focused.clear();
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::answered(std::nullopt));
}

TEST_F(AccessibilityFetchTest, WindowWhoseTitleCannotBeReadIsNeverRead)
{
    showPage(QStringLiteral("https://secret.example/"));
    ax.names.remove(QStringLiteral("frame")); // what a failed or empty read gives
    EXPECT_EQ(fetch(BrowserFamily::firefox), Outcome::answered(std::nullopt));
    EXPECT_EQ(fetch(BrowserFamily::chromium), Outcome::answered(std::nullopt));
    EXPECT_TRUE(ax.visited.isEmpty());
}

TEST_F(AccessibilityFetchTest, FirefoxInPermanentPrivateModeIsNeverReadAndItsProfileOnlyOnce)
{
    showPage(QStringLiteral("https://secret.example/"));
    alwaysPrivate = true;
    EXPECT_EQ(fetch(BrowserFamily::firefox), Outcome::answered(std::nullopt));
    EXPECT_EQ(fetch(BrowserFamily::firefox), Outcome::answered(std::nullopt));
    EXPECT_TRUE(ax.visited.isEmpty());
    EXPECT_EQ(profileReads, 1);
}

struct TitleCase
{
    const char* name;
    QString title;
    bool chromiumPrivate;
    bool firefoxPrivate;
};

class PrivateTitleTest : public ::testing::TestWithParam<TitleCase>
{
};

TEST_P(PrivateTitleTest, RecognisesPrivateWindowsInTheirLanguage)
{
    EXPECT_EQ(AccessibilityFetch::isPrivateTitle(GetParam().title), GetParam().chromiumPrivate);
    EXPECT_EQ(AccessibilityFetch::isPrivateFirefoxTitle(GetParam().title), GetParam().firefoxPrivate);
}

// Titles as the browsers give them, in the languages the end-to-end tests also run.
INSTANTIATE_TEST_SUITE_P(
    Titles, PrivateTitleTest,
    ::testing::Values(
        TitleCase{"ChromiumIncognitoEnglish", QStringLiteral("New Tab - Chromium (Incognito)"), true, false},
        TitleCase{"ChromeIncognitoTrailingBlank", QStringLiteral("Docs - Google Chrome (Incognito) "), true, false},
        TitleCase{"ChromiumIncognitoGerman", QStringLiteral("Neuer Tab - Chromium (anonym)"), true, false},
        TitleCase{"ChromiumIncognitoFrench", QStringLiteral("Alpha - Chromium (Navigation priv\u00e9e)"), true, false},
        TitleCase{"ChromiumIncognitoJapanese",
                  QStringLiteral("Alpha - Chromium\uff08\u30b7\u30fc\u30af\u30ec"
                                 "\u30c3\u30c8 \u30e2\u30fc\u30c9\uff09"),
                  true, false},
        TitleCase{"ChromiumGuestGerman", QStringLiteral("Alpha - Chromium (Gast)"), true, false},
        TitleCase{"ChromiumOrdinary", QStringLiteral("Incognito mode explained - Chromium"), false, false},
        TitleCase{"FirefoxPrivateEnglish", QStringLiteral("Alpha \u2014 Mozilla Firefox Private Browsing"), false,
                  true},
        TitleCase{"FirefoxPrivateGerman", QStringLiteral("Alpha \u2014 Mozilla Firefox Privater Modus"), false, true},
        TitleCase{"FirefoxPrivateFrench", QStringLiteral("Alpha \u2014 Navigation priv\u00e9e de Mozilla Firefox"),
                  false, true},
        TitleCase{"FirefoxPrivateFrenchNoPage", QStringLiteral("Navigation priv\u00e9e de LibreWolf"), false, true},
        TitleCase{"FirefoxOrdinaryFrench",
                  QStringLiteral("Navigation priv\u00e9e : mode d'emploi \u2014 Mozilla "
                                 "Firefox"),
                  false, false},
        TitleCase{"FirefoxOrdinary", QStringLiteral("Private Browsing tips \u2014 Mozilla Firefox"), false, false},
        TitleCase{"Empty", QString(), true, true}, TitleCase{"Blank", QStringLiteral(" \t"), true, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
