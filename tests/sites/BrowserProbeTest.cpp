// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserProbe.h"
#include "BrowserPermissions.h"
#include "FakeAccessibility.h"
#include "FakeClock.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QMutex>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QThreadPool>
#include <gtest/gtest.h>

using Outcome = BrowserFetch::Outcome;
using Permission = BrowserProbe::Permission;
using Access = BrowserProbe::Access;

namespace {

const QString firefox = QStringLiteral("org.mozilla.firefox");
const QString chromium = QStringLiteral("chromium");

// A fetch that answers what the test chose, and remembers how it was asked.
class ScriptedFetch final : public BrowserFetch
{
public:
    struct Call
    {
        qint64 pid;
        BrowserFamily family;
        std::chrono::milliseconds timeout;
        QThread* thread;
    };

    Outcome fetch(qint64 pid, BrowserFamily family, std::chrono::milliseconds timeout) const override
    {
        QMutexLocker lock(&m_mutex);
        m_calls.append({pid, family, timeout, QThread::currentThread()});
        return m_next;
    }

    void answer(const Outcome& outcome)
    {
        QMutexLocker lock(&m_mutex);
        m_next = outcome;
    }
    QList<Call> calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }

private:
    mutable QMutex m_mutex;
    mutable QList<Call> m_calls;
    Outcome m_next = Outcome::answered(std::nullopt);
};

// Collects what the probe writes to its log.
class LogCapture
{
public:
    LogCapture()
    {
        lines().clear();
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    static QStringList& lines()
    {
        static QStringList captured;
        return captured;
    }

private:
    static void handle(QtMsgType, const QMessageLogContext& context, const QString& message)
    {
        if (QLatin1String(context.category) == QLatin1String("app.corvani.Horavane.probe"))
            lines().append(message);
    }
    QtMessageHandler m_previous = nullptr;
};

class BrowserProbeTest : public ::testing::Test
{
protected:
    BrowserProbeTest()
    {
        probe->onChange = [this] {
            ++changes;
            EXPECT_EQ(QThread::currentThread(), qApp->thread());
        };
    }

    ProbeResult ask(const QString& id = firefox, BrowserFamily family = BrowserFamily::firefox)
    {
        return probe->currentSite(id, 100, family);
    }
    // Lets every running request finish and its answer reach the probe.
    void settle()
    {
        pool.waitForDone();
        QCoreApplication::processEvents();
    }
    // One full round: ask, the browser answers with outcome, the answer arrives.
    void round(const Outcome& outcome, const QString& id = firefox, BrowserFamily family = BrowserFamily::firefox)
    {
        fetch->answer(outcome);
        ask(id, family);
        settle();
    }
    // How many requests ran; waits for the started ones, without delivering their answers.
    int calls()
    {
        pool.waitForDone();
        return int(fetch->calls().size());
    }

    QTemporaryDir dir;
    Settings settings{dir.filePath(QStringLiteral("settings.ini"))};
    FakeClock clock;
    FakeAccessibility ax;
    QThreadPool pool;
    std::shared_ptr<ScriptedFetch> fetch = std::make_shared<ScriptedFetch>();
    std::unique_ptr<BrowserProbe> probe = std::make_unique<BrowserProbe>(fetch, clock, ax, settings, &pool);
    int changes = 0;
    LogCapture log;
};

TEST_F(BrowserProbeTest, FirstAskAnswersNoneAndStartsOneLongRequest)
{
    EXPECT_EQ(ask(), ProbeResult::none());
    pool.waitForDone();
    EXPECT_EQ(ask(), ProbeResult::none()); // the first answer has not arrived: nothing new starts
    ASSERT_EQ(calls(), 1);
    const ScriptedFetch::Call call = fetch->calls().first();
    EXPECT_EQ(call.pid, 100);
    EXPECT_EQ(call.family, BrowserFamily::firefox);
    EXPECT_EQ(call.timeout, std::chrono::seconds(300));
    EXPECT_NE(call.thread, qApp->thread());
}

TEST_F(BrowserProbeTest, AnswerWithHostIsReportedForFiveSeconds)
{
    round(Outcome::answered(QStringLiteral("example.org")));
    EXPECT_EQ(probe->state(firefox).permission, Permission::granted);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(LogCapture::lines(), QStringList{QStringLiteral("Permission for org.mozilla.firefox is now granted")});

    clock.advance(4.9);
    EXPECT_EQ(ask(), ProbeResult::site(QStringLiteral("example.org")));
    ASSERT_EQ(calls(), 2);
    EXPECT_EQ(fetch->calls().last().timeout, std::chrono::seconds(2)); // granted: the short timeout
    clock.advance(0.1);
    EXPECT_EQ(ask(), ProbeResult::none());
}

TEST_F(BrowserProbeTest, AnswerWithoutHostCountsTheBrowser)
{
    round(Outcome::answered(std::nullopt), chromium, BrowserFamily::chromium);
    EXPECT_EQ(ask(chromium, BrowserFamily::chromium), ProbeResult::none());
    EXPECT_EQ(probe->state(chromium).permission, Permission::granted);
    EXPECT_EQ(changes, 1); // the permission changed
}

TEST_F(BrowserProbeTest, RefusalBlocksAndBacksOffTenSeconds)
{
    round(Outcome::denied());
    EXPECT_EQ(LogCapture::lines(), QStringList{QStringLiteral("Permission for org.mozilla.firefox is now denied")});
    EXPECT_EQ(changes, 1);
    clock.advance(9.9);
    EXPECT_EQ(ask(), ProbeResult::blocked());
    EXPECT_EQ(calls(), 1);
    clock.advance(0.1);
    fetch->answer(Outcome::answered(QStringLiteral("example.org")));
    EXPECT_EQ(ask(), ProbeResult::blocked()); // answers from what was known before this request
    EXPECT_EQ(calls(), 2);
    settle();
    EXPECT_EQ(ask(), ProbeResult::site(QStringLiteral("example.org")));
    EXPECT_EQ(LogCapture::lines().last(), QStringLiteral("Permission for org.mozilla.firefox is now granted"));
}

TEST_F(BrowserProbeTest, ClockSetBackDoesNotProlongTheBackOff)
{
    round(Outcome::denied());
    clock.advance(-3600);
    ask();
    EXPECT_EQ(calls(), 2);
}

TEST_F(BrowserProbeTest, AnswerFromTheFutureIsNotFresh)
{
    round(Outcome::answered(QStringLiteral("example.org")));
    clock.advance(-60);
    EXPECT_EQ(ask(), ProbeResult::none());
}

TEST_F(BrowserProbeTest, FailureClearsTheSiteButKeepsThePermission)
{
    round(Outcome::answered(QStringLiteral("example.org")));
    round(Outcome::failed(Accessibility::Error::noReply));
    EXPECT_EQ(probe->state(firefox).permission, Permission::granted);
    EXPECT_EQ(ask(), ProbeResult::none());
    EXPECT_EQ(calls(), 3); // a failure does not back off
    EXPECT_EQ(changes, 2);
}

struct FailureLogCase
{
    const char* name;
    std::optional<Outcome> before; // the answer before the failure, if any
    bool logged;
};

class FailureLogTest : public BrowserProbeTest, public ::testing::WithParamInterface<FailureLogCase>
{
};

TEST_P(FailureLogTest, FailuresAreLoggedUnlessNothingWasKnownAnyway)
{
    if (GetParam().before)
        round(*GetParam().before);
    clock.advance(10); // past any back-off
    LogCapture::lines().clear();
    round(Outcome::failed(Accessibility::Error::noReply));
    const QStringList expected = GetParam().logged
                                     ? QStringList{QStringLiteral("Request to org.mozilla.firefox failed: no reply")}
                                     : QStringList{};
    EXPECT_EQ(LogCapture::lines(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailureLogTest,
    ::testing::Values(FailureLogCase{"PermissionUnknown", std::nullopt, true},
                      FailureLogCase{"AfterAHost", Outcome::answered(QStringLiteral("example.org")), true},
                      FailureLogCase{"AfterAnAnswerWithoutHost", Outcome::answered(std::nullopt), false},
                      FailureLogCase{"AfterAFailureWhileUnknown", Outcome::failed(Accessibility::Error::noReply), true},
                      FailureLogCase{"WhileDenied", Outcome::denied(), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BrowserProbeTest, RepeatedFailuresWhileGrantedAreLoggedOnce)
{
    round(Outcome::answered(QStringLiteral("example.org")));
    LogCapture::lines().clear();
    round(Outcome::failed(Accessibility::Error::noReply));
    round(Outcome::failed(Accessibility::Error::noReply));
    round(Outcome::failed(Accessibility::Error::noReply));
    EXPECT_EQ(LogCapture::lines().size(), 1);
}

struct ChangeCase
{
    const char* name;
    std::optional<QString> first;
    std::optional<QString> second;
    double secondsBetween;
    bool notified;
};

class ChangeTest : public BrowserProbeTest, public ::testing::WithParamInterface<ChangeCase>
{
};

TEST_P(ChangeTest, OwnerHearsOnlyOfAnswersThatChangeWhatItCounts)
{
    const ChangeCase& c = GetParam();
    round(Outcome::answered(c.first));
    changes = 0;
    clock.advance(c.secondsBetween);
    round(Outcome::answered(c.second));
    EXPECT_EQ(changes, c.notified ? 1 : 0);
}

const QString a = QStringLiteral("a.example");
const QString b = QStringLiteral("b.example");

INSTANTIATE_TEST_SUITE_P(Cases, ChangeTest,
                         ::testing::Values(ChangeCase{"SameSiteSoon", a, a, 2, false},
                                           ChangeCase{"SameSiteAfterItWentStale", a, a, 5, true},
                                           ChangeCase{"OtherSite", a, b, 2, true},
                                           ChangeCase{"SiteGone", a, std::nullopt, 2, true},
                                           ChangeCase{"SiteAppears", std::nullopt, a, 2, true},
                                           ChangeCase{"StillNothing", std::nullopt, std::nullopt, 60, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BrowserProbeTest, AnswerForADestroyedProbeIsDropped)
{
    fetch->answer(Outcome::answered(QStringLiteral("example.org")));
    ask();
    probe.reset();
    settle();
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(calls(), 1);
}

TEST_F(BrowserProbeTest, BrowsersAreAskedIndependently)
{
    ask(firefox, BrowserFamily::firefox);
    ask(chromium, BrowserFamily::chromium);
    settle();
    EXPECT_EQ(calls(), 2);
    EXPECT_EQ(probe->state(firefox).permission, Permission::granted);
    EXPECT_EQ(probe->state(chromium).permission, Permission::granted);
    EXPECT_FALSE(probe->state(firefox).inFlight);
}

TEST_F(BrowserProbeTest, ProbeWithItsOwnPoolAnswers)
{
    BrowserProbe own(fetch, clock, ax, settings);
    int ownChanges = 0;
    own.onChange = [&] { ++ownChanges; };
    fetch->answer(Outcome::answered(QStringLiteral("example.org")));
    own.currentSite(firefox, 100, BrowserFamily::firefox);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ownChanges > 0; }, 30000));
    EXPECT_EQ(ownChanges, 1);
    EXPECT_EQ(own.currentSite(firefox, 100, BrowserFamily::firefox), ProbeResult::site(QStringLiteral("example.org")));
}

TEST_F(BrowserProbeTest, AccessFollowsTheStatesForAskedBrowsers)
{
    EXPECT_EQ(probe->access(chromium), Access::notAsked);
    fetch->answer(Outcome::failed(Accessibility::Error::noReply));
    ask(chromium, BrowserFamily::chromium);
    EXPECT_EQ(probe->access(chromium), Access::waiting);
    settle();
    EXPECT_EQ(probe->access(chromium), Access::notAsked); // still unknown, nothing running
    round(Outcome::denied(), chromium, BrowserFamily::chromium);
    EXPECT_EQ(probe->access(chromium), Access::denied);
    clock.advance(10);
    round(Outcome::answered(std::nullopt), chromium, BrowserFamily::chromium);
    EXPECT_EQ(probe->access(chromium), Access::granted);
}

TEST_F(BrowserProbeTest, AccessOfFirefoxBrowsersFollowsTheSwitchAlone)
{
    round(Outcome::answered(QStringLiteral("example.org")), QStringLiteral("firefox-esr"));
    ax.enabled = false;
    EXPECT_EQ(probe->access(QStringLiteral("firefox-esr")), Access::notAsked);
    settings.setHasAskedForAccessibility(true);
    EXPECT_EQ(probe->access(QStringLiteral("firefox-esr")), Access::denied);
    ax.enabled = true;
    EXPECT_EQ(probe->access(QStringLiteral("librewolf")), Access::granted); // never asked, still granted
}

TEST_F(BrowserProbeTest, OwnerMayAskAgainFromItsCallback)
{
    // The tracker samples again at once; that must not disturb the answer being recorded.
    probe->onChange = [this] {
        ++changes;
        ask();
    };
    round(Outcome::answered(QStringLiteral("example.org")));
    settle(); // the request started from the callback
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(calls(), 2);
    EXPECT_EQ(probe->state(firefox).site, QStringLiteral("example.org"));
}

TEST(PermissionNames, AreTheCaseNames)
{
    EXPECT_EQ(BrowserProbe::name(Permission::unknown), QLatin1String("unknown"));
    EXPECT_EQ(BrowserProbe::name(Permission::granted), QLatin1String("granted"));
    EXPECT_EQ(BrowserProbe::name(Permission::denied), QLatin1String("denied"));
}

class RequestPermissionTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    Settings settings{dir.filePath(QStringLiteral("settings.ini"))};
    FakeAccessibility ax;
};

TEST_F(RequestPermissionTest, AccessibilityAsksWhileOffThenOpensItsSettings)
{
    ax.enabled = false;
    BrowserPermissions::request(BrowserPermission::accessibility, ax, settings);
    EXPECT_EQ(ax.enableRequests, 1);
    EXPECT_EQ(ax.settingsOpenings, 0);
    EXPECT_TRUE(settings.hasAskedForAccessibility());

    // Declined: the question comes back rather than a settings program the desktop may not have.
    BrowserPermissions::request(BrowserPermission::accessibility, ax, settings);
    EXPECT_EQ(ax.enableRequests, 2);

    ax.enabled = true;
    BrowserPermissions::request(BrowserPermission::accessibility, ax, settings);
    EXPECT_EQ(ax.enableRequests, 2);
    EXPECT_EQ(ax.settingsOpenings, 1);
}

TEST_F(RequestPermissionTest, RendererAccessibilityIsEnabledAndLeavesTheFlag)
{
    BrowserPermissions::request(BrowserPermission::rendererAccessibility, ax, settings);
    EXPECT_EQ(ax.enableRequests, 0);
    EXPECT_EQ(ax.rendererRequests, 1);
    EXPECT_FALSE(settings.hasAskedForAccessibility());
}

} // namespace
