// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserList.h"
#include "BrowserRow.h"
#include "PlatformTexts.h"
#include "WelcomeFixture.h"
#include "WelcomePoint.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class WelcomeViewTest : public ::testing::Test, protected WelcomeFixture
{
protected:
    QStringList rowNames() const
    {
        QStringList names;
        for (const BrowserRow* row : view->browserList()->rows())
            names.append(row->nameLabel()->text());
        return names;
    }
    BrowserRow* row(const RunningApp& app) const
    {
        for (BrowserRow* row : view->browserList()->rows())
            if (row->app().desktopId == app.desktopId)
                return row;
        return nullptr;
    }
    std::optional<BrowserProbe::Access> access(const RunningApp& app) const
    {
        const BrowserRow* found = row(app);
        return found ? std::optional(found->access()) : std::nullopt;
    }
    bool listShown() const { return view->browserList()->isVisibleTo(view.get()); }
    bool firefoxTextShown() const { return view->firefoxLabel()->isVisibleTo(view.get()); }
};

constexpr int refreshWait = 30000; // a refresh period and the answer's way back, however loaded the machine

} // namespace

TEST_F(WelcomeViewTest, TextsAndPointsInOrder)
{
    open();
    EXPECT_EQ(view->width(), 500);
    ASSERT_EQ(view->points().size(), 3);
    QStringList titles;
    for (const WelcomePoint* point : view->points())
        titles.append(point->titleLabel()->text());
    EXPECT_EQ(titles,
              (QStringList{"It lives in your menu bar", "Websites count on their own", "It stays on your computer"}));
    EXPECT_EQ(view->points()[1]->detailLabel()->text(), PlatformTexts::welcomeSiteDetection());
    EXPECT_EQ(view->loginToggle()->text(), "Open Horavane when I log in");
    EXPECT_EQ(view->getStartedButton()->text(), "Get Started");
    // Every wrapped text gets the height it needs at the fixed width.
    for (const QLabel* label : view->findChildren<QLabel*>()) {
        if (label->isVisibleTo(view.get()) && label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
        }
    }
}

TEST_F(WelcomeViewTest, NoBrowserRunningShowsOnlyTheFirstText)
{
    running = {editor};
    open();
    EXPECT_FALSE(listShown());
    EXPECT_FALSE(firefoxTextShown());
}

TEST_F(WelcomeViewTest, ChromeAndFirefoxAreListedByNameWithTheFirefoxText)
{
    running = {chrome, editor, firefox, chrome};
    open();
    EXPECT_TRUE(listShown());
    EXPECT_EQ(rowNames(), (QStringList{"Firefox ESR", "Google Chrome"}));
    EXPECT_TRUE(firefoxTextShown());
    EXPECT_EQ(view->firefoxLabel()->text(), PlatformTexts::welcomeFirefox());

    running = {chrome};
    QTRY_COMPARE_WITH_TIMEOUT(rowNames(), QStringList{"Google Chrome"}, refreshWait);
    EXPECT_FALSE(firefoxTextShown()); // only a Firefox-family browser needs it
}

TEST_F(WelcomeViewTest, FirefoxFollowsTheSwitchAndWhetherThePromptWasShown)
{
    struct Case
    {
        const char* name;
        bool switchedOn;
        bool asked;
        BrowserProbe::Access expected;
    };
    const Case cases[] = {
        {"never asked", false, false, BrowserProbe::Access::notAsked},
        {"asked, switched off", false, true, BrowserProbe::Access::denied},
        {"switched on", true, true, BrowserProbe::Access::granted},
        {"switched on without our prompt", true, false, BrowserProbe::Access::granted},
    };
    running = {firefox};
    open();
    for (const Case& test : cases) {
        fake.accessibility.enabled = test.switchedOn;
        settings.setHasAskedForAccessibility(test.asked);
        QTRY_COMPARE_WITH_TIMEOUT(access(firefox), std::optional(test.expected), refreshWait);
        EXPECT_TRUE(view->refreshTimer().isActive()) << test.name;
    }
}

TEST_F(WelcomeViewTest, AllowingAsksTheBrowserAndFollowsTheAnswer)
{
    struct Case
    {
        const char* name;
        RunningApp browser; // each a browser the probe has not heard of
        BrowserFetch::Outcome answer;
        BrowserProbe::Access expected;
    };
    const Case cases[] = {
        {"allowed", app("brave-browser", "Brave", 701), BrowserFetch::Outcome::answered(QStringLiteral("example.com")),
         BrowserProbe::Access::granted},
        {"allowed, no window open", app("google-chrome", "Google Chrome", 702),
         BrowserFetch::Outcome::answered(std::nullopt), BrowserProbe::Access::granted},
        {"refused", app("vivaldi-stable", "Vivaldi", 703), BrowserFetch::Outcome::denied(),
         BrowserProbe::Access::denied},
    };
    open();
    for (const Case& test : cases) {
        running = {test.browser};
        view->refreshBrowsers();
        ASSERT_EQ(access(test.browser), BrowserProbe::Access::notAsked) << test.name;
        EXPECT_EQ(row(test.browser)->button()->text(), "Allow…");

        const int before = fetch->calls();
        row(test.browser)->button()->click();
        EXPECT_EQ(access(test.browser), BrowserProbe::Access::waiting) << test.name; // at once
        QTRY_VERIFY_WITH_TIMEOUT(fetch->calls() > before, 30000);
        // While the user decides, the row keeps waiting.
        QTest::qWait(1100);
        EXPECT_EQ(access(test.browser), BrowserProbe::Access::waiting) << test.name;

        fetch->answer(test.browser.pid, test.answer);
        QTRY_COMPARE_WITH_TIMEOUT(access(test.browser), std::optional(test.expected), refreshWait);
    }
}

TEST_F(WelcomeViewTest, OpenSettingsRequestsTheBrowsersPermission)
{
    running = {chromium, firefox};
    fake.accessibility.enabled = true;
    fetch->answer(chromium.pid, BrowserFetch::Outcome::denied());
    tracker->requestBrowserAccess(chromium);
    open();
    QTRY_COMPARE_WITH_TIMEOUT(access(chromium), std::optional(BrowserProbe::Access::denied), refreshWait);

    row(chromium)->button()->click();
    EXPECT_EQ(fake.accessibility.rendererRequests, 1);
    EXPECT_EQ(fake.accessibility.enableRequests, 0);
}

TEST_F(WelcomeViewTest, WhileAccessibilityIsOffEveryBrowserAsksToSwitchItOnAgainAndAgain)
{
    running = {firefox, chromium};
    open();
    ASSERT_EQ(access(firefox), BrowserProbe::Access::notAsked);
    row(firefox)->button()->click();
    EXPECT_EQ(fake.accessibility.enableRequests, 1);
    EXPECT_TRUE(settings.hasAskedForAccessibility());
    EXPECT_EQ(access(firefox), BrowserProbe::Access::denied);

    // The user said no; the row still leads back to the question.
    EXPECT_EQ(row(firefox)->button()->text(), "Open Settings…");
    row(firefox)->button()->click();
    EXPECT_EQ(fake.accessibility.enableRequests, 2);

    // A Chromium-family browser is read the same way, and also needs its own launcher flag.
    row(chromium)->button()->click();
    EXPECT_EQ(fake.accessibility.rendererRequests, 1);

    fake.accessibility.enabled = true; // the user agreed
    QTRY_COMPARE_WITH_TIMEOUT(access(firefox), std::optional(BrowserProbe::Access::granted), refreshWait);
}

TEST_F(WelcomeViewTest, RefreshesEverySecondOnlyWhileShown)
{
    open();
    EXPECT_TRUE(view->refreshTimer().isActive());
    EXPECT_EQ(view->refreshTimer().interval(), 1000);
    EXPECT_FALSE(listShown());
    const int heightBefore = view->height();

    running = {chromium};
    QTRY_VERIFY_WITH_TIMEOUT(listShown(), refreshWait);
    EXPECT_EQ(rowNames(), QStringList{"Chromium"});
    EXPECT_GT(view->height(), heightBefore); // the window grows to show the row
    EXPECT_EQ(view->height(), view->heightForWidth(WelcomeView::fixedWidth));

    view->hide();
    EXPECT_FALSE(view->refreshTimer().isActive());
    running = {};
    QTest::qWait(1200);
    EXPECT_EQ(rowNames(), QStringList{"Chromium"});
    view->show();
    EXPECT_TRUE(rowNames().isEmpty()); // shown again, it looks at once
}

TEST_F(WelcomeViewTest, ReturnGetsStartedOnFirstLaunch)
{
    open();
    EXPECT_TRUE(view->loginToggle()->isChecked()); // on for a new user, though not registered yet
    QSignalSpy finished(view.get(), &WelcomeView::finished);
    QTest::keyClick(view->getStartedButton(), Qt::Key_Return);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(settings.hasSeenWelcome());
    EXPECT_TRUE(loginItem.enabled);
    EXPECT_EQ(loginItem.disables, 0);

    view->loginToggle()->setFocus();
    QTest::keyClick(view->loginToggle(), Qt::Key_Enter);
    EXPECT_EQ(finished.count(), 2); // Return works wherever the focus is
    EXPECT_TRUE(view->loginToggle()->isChecked());
}

TEST_F(WelcomeViewTest, ClosingOtherwiseChangesNothing)
{
    open();
    view->loginToggle()->setChecked(false);
    view->close();
    EXPECT_FALSE(settings.hasSeenWelcome());
    EXPECT_EQ(loginItem.enables + loginItem.disables, 0);
}

TEST_F(WelcomeViewTest, TheLoginToggleDecidesAndShowsTheRealStateAfterAFailure)
{
    struct Case
    {
        const char* name;
        bool seen;       // "hasSeenWelcome" before the window opens
        bool registered; // the login item's state before
        bool toggle;     // what the user leaves the toggle at
        bool fails;      // registering or unregistering fails
        bool shownFirst; // the toggle when the window opens
        bool registeredAfter;
        bool toggleAfter;
    };
    const Case cases[] = {
        {"new user keeps it on", false, false, true, false, true, true, true},
        {"new user switches it off", false, true, false, false, true, false, false},
        {"seen, registered", true, true, true, false, true, true, true},
        {"seen, not registered, switches on", true, false, true, false, false, true, true},
        {"registering fails", false, false, true, true, true, false, false},
        {"unregistering fails", true, true, false, true, true, true, true},
    };
    for (const Case& test : cases) {
        settings.setHasSeenWelcome(test.seen);
        loginItem = CountingLoginItem{};
        loginItem.enabled = test.registered;
        if (test.fails)
            loginItem.failure = QStringLiteral("The autostart folder is read-only.");
        open();
        EXPECT_EQ(view->opensAtLogin(), test.shownFirst) << test.name;
        view->loginToggle()->setChecked(test.toggle);
        QSignalSpy finished(view.get(), &WelcomeView::finished);
        view->getStartedButton()->click();
        EXPECT_EQ(finished.count(), 1) << test.name; // the window closes anyway
        EXPECT_EQ(loginItem.enabled, test.registeredAfter) << test.name;
        EXPECT_EQ(view->opensAtLogin(), test.toggleAfter) << test.name;
        EXPECT_TRUE(settings.hasSeenWelcome()) << test.name;
    }
}
