// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserFamily.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

struct FamilyCase
{
    const char* id;
    std::optional<BrowserFamily> family;
};

std::ostream& operator<<(std::ostream& out, const FamilyCase& c)
{
    return out << '"' << c.id << '"';
}

class BrowserFamilyTest : public ::testing::TestWithParam<FamilyCase>
{
};

TEST_P(BrowserFamilyTest, IdentifierDecidesTheFamily)
{
    const std::optional<BrowserFamily> family = BrowserFamily::of(QString::fromUtf8(GetParam().id));
    ASSERT_EQ(family.has_value(), GetParam().family.has_value());
    if (family) {
        EXPECT_EQ(BrowserFamily::Value(*family), BrowserFamily::Value(*GetParam().family));
    }
}

const std::optional<BrowserFamily> chromium = BrowserFamily::chromium;
const std::optional<BrowserFamily> firefox = BrowserFamily::firefox;

INSTANTIATE_TEST_SUITE_P(
    ReverseDnsIdentifiers, BrowserFamilyTest,
    ::testing::Values(FamilyCase{"net.imput.helium", chromium}, FamilyCase{"com.google.Chrome", chromium},
                      FamilyCase{"com.google.Chrome.beta", chromium}, FamilyCase{"com.google.Chrome.dev", chromium},
                      FamilyCase{"com.google.Chrome.canary", chromium}, FamilyCase{"org.chromium.Chromium", chromium},
                      FamilyCase{"com.brave.Browser", chromium}, FamilyCase{"com.brave.Browser.beta", chromium},
                      FamilyCase{"com.brave.Browser.nightly", chromium}, FamilyCase{"com.vivaldi.Vivaldi", chromium},
                      FamilyCase{"com.vivaldi.Vivaldi.snapshot", chromium}, FamilyCase{"org.mozilla.firefox", firefox},
                      FamilyCase{"org.mozilla.firefoxdeveloperedition", firefox},
                      FamilyCase{"org.mozilla.nightly", firefox}, FamilyCase{"app.zen-browser.zen", firefox},
                      FamilyCase{"org.mozilla.com.zen.browser", firefox},
                      FamilyCase{"io.gitlab.librewolf-community.librewolf", firefox},
                      FamilyCase{"net.librewolf.librewolf", firefox}, FamilyCase{"net.waterfox.waterfox", firefox},
                      FamilyCase{"org.waterfoxproject.waterfox", firefox}, FamilyCase{"org.mozilla.floorp", firefox}));

INSTANTIATE_TEST_SUITE_P(
    LinuxIdentifiers, BrowserFamilyTest,
    ::testing::Values(FamilyCase{"chromium", chromium}, FamilyCase{"chromium-browser", chromium},
                      FamilyCase{"google-chrome", chromium}, FamilyCase{"google-chrome-beta", chromium},
                      FamilyCase{"google-chrome-unstable", chromium}, FamilyCase{"brave-browser", chromium},
                      FamilyCase{"microsoft-edge", chromium}, FamilyCase{"vivaldi-stable", chromium},
                      FamilyCase{"opera", chromium}, FamilyCase{"com.microsoft.Edge", chromium},
                      FamilyCase{"com.opera.Opera", chromium}, FamilyCase{"chromium_chromium", chromium},
                      FamilyCase{"firefox", firefox}, FamilyCase{"firefox-esr", firefox},
                      FamilyCase{"librewolf", firefox}, FamilyCase{"waterfox", firefox}, FamilyCase{"floorp", firefox},
                      FamilyCase{"zen", firefox}, FamilyCase{"io.gitlab.librewolf-community", firefox},
                      FamilyCase{"app.zen_browser.zen", firefox}, FamilyCase{"firefox_firefox", firefox}));

INSTANTIATE_TEST_SUITE_P(
    NotBrowsers, BrowserFamilyTest,
    ::testing::Values(FamilyCase{"", std::nullopt}, FamilyCase{"com.google.chrome", std::nullopt},
                      FamilyCase{"Chromium", std::nullopt}, FamilyCase{"chromium.desktop", std::nullopt},
                      FamilyCase{" firefox", std::nullopt}, FamilyCase{"firefox-esr ", std::nullopt},
                      FamilyCase{"org.mozilla.firefox.", std::nullopt},
                      FamilyCase{"org.mozilla.thunderbird", std::nullopt}, FamilyCase{"xterm", std::nullopt}));

TEST(BrowserFamilyPermission, OnlyFirefoxFamilyNeedsAccessibility)
{
    EXPECT_EQ(BrowserFamily(BrowserFamily::firefox).permission(), BrowserPermission::accessibility);
    EXPECT_EQ(BrowserFamily(BrowserFamily::chromium).permission(), BrowserPermission::rendererAccessibility);
}

} // namespace
