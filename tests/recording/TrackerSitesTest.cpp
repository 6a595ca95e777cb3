// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserFetch.h"
#include "FakePlatform.h"
#include "Settings.h"
#include "Tracker.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <mutex>

namespace {

// Browser answers chosen by the test, given from the probe's worker threads.
class ScriptedFetch final : public BrowserFetch
{
public:
    Outcome fetch(qint64 pid, BrowserFamily, std::chrono::milliseconds) const override
    {
        const std::lock_guard lock(m_mutex);
        ++m_calls;
        return m_outcomes.value(pid, Outcome::failed(Accessibility::Error::noReply));
    }
    void answer(qint64 pid, const Outcome& outcome)
    {
        const std::lock_guard lock(m_mutex);
        m_outcomes.insert(pid, outcome);
    }
    int calls() const
    {
        const std::lock_guard lock(m_mutex);
        return m_calls;
    }

private:
    mutable std::mutex m_mutex;
    mutable int m_calls = 0;
    QHash<qint64, Outcome> m_outcomes;
};

const RunningApp firefox = app("firefox-esr", "Firefox ESR", 300);
const RunningApp chromium = app("chromium", "Chromium", 400);
const ItemKey firefoxKey{ItemKind::app, "firefox-esr"};
const ItemKey chromiumKey{ItemKind::app, "chromium"};
const ItemKey exampleSite{ItemKind::site, "example.com"};

class TrackerSitesTest : public ::testing::Test
{
protected:
    TrackerSitesTest()
    {
        fake.workspace.setFront(firefox);
        tracker = std::make_unique<Tracker>(Tracker::Sampling::live, fake.platform(), settings, nullptr, fetch);
        settled(firefox.desktopId); // the start-up question, asked before any test chose an answer
    }

    // Waits until no question to the browser is on its way, its answer included.
    bool settled(const QString& desktopId)
    {
        return QTest::qWaitFor([&] { return !tracker->probe()->state(desktopId).inFlight; }, 30000);
    }

    // Samples until the probe has heard back from the front browser, then credits `seconds`.
    void browse(int seconds)
    {
        const QString front = fake.workspace.frontmostApplication()->desktopId;
        const int before = fetch->calls();
        tracker->tick();
        ASSERT_TRUE(QTest::qWaitFor([&] { return fetch->calls() > before; }, 30000));
        ASSERT_TRUE(settled(front));
        for (int t = 0; t < seconds; t += 2) {
            fake.clock.advance(2);
            tracker->tick();
        }
    }
    double seconds(const ItemKey& key) const
    {
        for (const UsageItem& item : tracker->summary(Period::today).items)
            if (item.key == key)
                return item.seconds;
        return 0;
    }

    FakePlatform fake;
    QTemporaryDir configDir;
    Settings settings{configDir.filePath("Horavane.conf")};
    std::shared_ptr<ScriptedFetch> fetch = std::make_shared<ScriptedFetch>();
    std::unique_ptr<Tracker> tracker;
};

} // namespace

TEST_F(TrackerSitesTest, ABrowserShowingASiteCountsOnlyForTheSite)
{
    fetch->answer(300, BrowserFetch::Outcome::answered(QStringLiteral("example.com")));
    browse(4);
    EXPECT_EQ(seconds(exampleSite), 4);
    EXPECT_EQ(seconds(firefoxKey), 0);
    EXPECT_EQ(tracker->summary(Period::today).items.first().name, "example.com");
}

TEST_F(TrackerSitesTest, AnExcludedSiteCountsForItsBrowser)
{
    tracker->exclude(UsageItem{exampleSite, "example.com", 0});
    fetch->answer(300, BrowserFetch::Outcome::answered(QStringLiteral("example.com")));
    browse(4);
    EXPECT_EQ(seconds(firefoxKey), 4);
    EXPECT_EQ(tracker->summary(Period::today).items.size(), 1);
}

TEST_F(TrackerSitesTest, NoPageOrNoAnswerCountsForTheBrowser)
{
    fetch->answer(300, BrowserFetch::Outcome::answered(std::nullopt)); // a private window
    browse(4);
    EXPECT_EQ(seconds(firefoxKey), 4);
    fetch->answer(300, BrowserFetch::Outcome::failed(Accessibility::Error::noReply));
    fake.clock.advance(10);
    browse(4);
    EXPECT_EQ(seconds(firefoxKey), 8);
    EXPECT_EQ(seconds(exampleSite), 0);
}

TEST_F(TrackerSitesTest, ARefusingBrowserIsNotedUntilItAnswersAgain)
{
    QSignalSpy notices(tracker.get(), &Tracker::blockedBrowserChanged);
    fake.workspace.setFront(chromium);
    fetch->answer(400, BrowserFetch::Outcome::denied());
    browse(4);
    ASSERT_TRUE(tracker->blockedBrowser());
    EXPECT_EQ(*tracker->blockedBrowser(),
              (Tracker::BlockedBrowser{"Chromium", BrowserPermission::rendererAccessibility, "chromium"}));
    EXPECT_EQ(seconds(chromiumKey), 4);
    EXPECT_EQ(notices.count(), 1); // set once, not again on every sample

    fake.workspace.setFront(firefox); // another browser leaves the notice as it is
    fetch->answer(300, BrowserFetch::Outcome::answered(QStringLiteral("example.com")));
    browse(2);
    EXPECT_TRUE(tracker->blockedBrowser());

    fake.workspace.setFront(chromium);
    fetch->answer(400, BrowserFetch::Outcome::answered(QStringLiteral("example.com")));
    fake.clock.advance(11); // past the back-off
    browse(0);
    browse(2);
    EXPECT_FALSE(tracker->blockedBrowser());
    EXPECT_EQ(notices.count(), 2);
}

TEST_F(TrackerSitesTest, AFirefoxFamilyRefusalAsksForAccessibility)
{
    fetch->answer(300, BrowserFetch::Outcome::denied());
    browse(2);
    ASSERT_TRUE(tracker->blockedBrowser());
    EXPECT_EQ(tracker->blockedBrowser()->permission, BrowserPermission::accessibility);
}

TEST_F(TrackerSitesTest, OtherApplicationsNeverReachTheProbe)
{
    const int before = fetch->calls();
    fake.workspace.setFront(app("org.example.Editor"));
    tracker->tick();
    fake.clock.advance(2);
    tracker->tick();
    QTest::qWait(50);
    EXPECT_EQ(fetch->calls(), before);
}

TEST_F(TrackerSitesTest, RequestingAccessAsksTheBrowserOnceAndSwitchesNothingOn)
{
    fake.workspace.setFront(std::nullopt);
    fetch = std::make_shared<ScriptedFetch>();
    tracker = std::make_unique<Tracker>(Tracker::Sampling::live, fake.platform(), settings, nullptr, fetch);
    fake.accessibility.enabled = false;
    tracker->requestBrowserAccess(firefox);
    QTRY_COMPARE_WITH_TIMEOUT(fetch->calls(), 1, 30000);
    // Asking the user is the views' part: the tracker switches nothing on by itself.
    EXPECT_EQ(fake.accessibility.enableRequests + fake.accessibility.settingsOpenings +
                  fake.accessibility.rendererRequests,
              0);

    tracker->requestBrowserAccess(app("org.example.Editor"));
    tracker->requestBrowserAccess(RunningApp{"", "Firefox", 1});
    QTest::qWait(50);
    EXPECT_EQ(fetch->calls(), 1);
}
