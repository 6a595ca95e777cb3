// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs against a real X server; tests/e2e/with-x11-session.sh provides one and says so in HORAVANE_X11_SESSION.
#include "WorkspacePrinters.h"
#include "X11Idle.h"
#include "X11Workspace.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(10000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// A program with a window on the screen.
struct Opened
{
    std::unique_ptr<QProcess> process;
    qint64 pid = 0;
    QString window;
};

// Starts a program and waits until its window is mapped.
Opened open(const QString& program, const QStringList& arguments, const QString& windowClass)
{
    Opened opened;
    opened.process = std::make_unique<QProcess>();
    opened.process->start(program, arguments);
    if (!opened.process->waitForStarted(30000))
        return opened;
    opened.pid = opened.process->processId();
    const QString windows = xdotool({"search", "--sync", "--onlyvisible", "--class", windowClass});
    opened.window = windows.section(u'\n', -1);
    return opened;
}

void close(Opened& opened)
{
    if (!opened.process)
        return;
    opened.process->kill();
    opened.process->waitForFinished(3000);
}

class X11Session : public ::testing::Test
{
protected:
    // Starting programs is the slow part: the suite shares one xterm and one xcalc.
    static void SetUpTestSuite()
    {
        if (!qEnvironmentVariableIsSet("HORAVANE_X11_SESSION"))
            return;
        s_xterm = open("xterm", {}, "XTerm");
        s_xcalc = open("xcalc", {}, "XCalc");
    }

    static void TearDownTestSuite()
    {
        close(s_xterm);
        close(s_xcalc);
    }

    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("HORAVANE_X11_SESSION"))
            GTEST_SKIP() << "needs the session of tests/e2e/with-x11-session.sh";
        ASSERT_FALSE(s_xterm.window.isEmpty());
        ASSERT_FALSE(s_xcalc.window.isEmpty());
        QString whyNot;
        m_workspace = X11Workspace::create(&whyNot);
        ASSERT_TRUE(m_workspace) << whyNot.toStdString();
        m_idle = X11Idle::create(&whyNot);
        ASSERT_TRUE(m_idle) << whyNot.toStdString();
    }

    qint64 frontPid() const { return m_workspace->frontmostApplication().value_or(RunningApp{}).pid; }
    static void activate(const QString& window) { xdotool({"windowactivate", "--sync", window}); }

    // Activates the window and waits until this connection has heard of it too, which on a busy
    // machine may be a moment after xdotool has, and until the switch has been announced.
    bool bringToFront(const Opened& opened)
    {
        activate(opened.window);
        const bool seen = QTest::qWaitFor([&] { return frontPid() == opened.pid; }, 30000);
        QCoreApplication::processEvents();
        return seen;
    }

    static inline Opened s_xterm;
    static inline Opened s_xcalc;
    std::unique_ptr<X11Workspace> m_workspace;
    std::unique_ptr<X11Idle> m_idle;
};

} // namespace

TEST_F(X11Session, FrontApplicationFollowsTheActiveWindow)
{
    ASSERT_TRUE(bringToFront(s_xcalc));
    QSignalSpy activated(m_workspace.get(), &Workspace::applicationActivated);

    activate(s_xterm.window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return activated.count() >= 1; }, 30000));
    EXPECT_EQ(m_workspace->frontmostApplication(), (RunningApp{"debian-xterm", "XTerm", s_xterm.pid}));

    // xcalc sets no _NET_WM_PID: the pid comes from the server, and with no desktop entry the class names it.
    activate(s_xcalc.window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return activated.count() >= 2; }, 30000));
    EXPECT_EQ(m_workspace->frontmostApplication(), (RunningApp{"XCalc", "XCalc", s_xcalc.pid}));

    const int before = activated.count();
    activate(s_xcalc.window); // already in front: no announcement
    QTest::qWait(300);
    EXPECT_EQ(activated.count(), before);
}

TEST_F(X11Session, ASwitchIsSeenByTheNextSampleWithoutTheEventLoop)
{
    ASSERT_TRUE(bringToFront(s_xterm));
    QSignalSpy activated(m_workspace.get(), &Workspace::applicationActivated);
    activate(s_xcalc.window);
    QElapsedTimer waited;
    waited.start();
    while (frontPid() != s_xcalc.pid && waited.elapsed() < 30000)
        QThread::msleep(5); // no event loop: the socket notifier cannot run
    EXPECT_EQ(frontPid(), s_xcalc.pid);
    // The sample must not re-enter its caller: the announcement follows from the event loop.
    EXPECT_EQ(activated.count(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return activated.count() >= 1; }, 30000));
}

TEST_F(X11Session, AClosedFrontWindowIsNotReportedAgain)
{
    Opened doomed = open("xterm", {"-name", "doomed", "-class", "Doomed"}, "Doomed");
    ASSERT_FALSE(doomed.window.isEmpty());
    ASSERT_TRUE(bringToFront(doomed));
    EXPECT_EQ(m_workspace->frontmostApplication(), (RunningApp{"Doomed", "Doomed", doomed.pid}));
    close(doomed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return frontPid() != doomed.pid; }, 30000));
}

TEST_F(X11Session, RunningApplicationsListEachApplicationOnce)
{
    Opened second = open("xterm", {"-name", "second"}, "XTerm");
    const QList<RunningApp> running = m_workspace->runningApplications();
    close(second);
    const auto count = [&](const QString& id) {
        return std::count_if(running.cbegin(), running.cend(),
                             [&](const RunningApp& app) { return app.desktopId == id; });
    };
    EXPECT_EQ(count("debian-xterm"), 1); // two windows, one application
    EXPECT_EQ(count("XCalc"), 1);
}

TEST_F(X11Session, AnUnchangedSampleAsksTheServerNothing)
{
    ASSERT_TRUE(bringToFront(s_xterm)); // describes the window once
    m_idle->setLimit(60 * 1000);
    const quint64 before = m_workspace->roundTrips() + m_idle->roundTrips();
    for (int i = 0; i < 10; ++i) {
        m_workspace->frontmostApplication();
        m_idle->secondsSinceLastInput();
        m_idle->displayIsAsleep();
    }
    EXPECT_EQ(m_workspace->roundTrips() + m_idle->roundTrips() - before, 0u);
}

TEST_F(X11Session, IdleCountsFromTheLimitUntilInput)
{
    xdotool({"mousemove", "10", "10"});
    m_idle->setLimit(1000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_idle->secondsSinceLastInput() >= 1.0; }, 30000));
    xdotool({"mousemove", "20", "30"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_idle->secondsSinceLastInput() == 0; }, 30000));
}

TEST_F(X11Session, XvfbDisplayIsAwakeAndTheSourcesAreNamed)
{
    EXPECT_FALSE(m_idle->displayIsAsleep());
    const QString sources = m_workspace->description();
    EXPECT_TRUE(sources.startsWith("X11 " + qEnvironmentVariable("DISPLAY") + " (")) << sources.toStdString();
    EXPECT_TRUE(sources.contains("EWMH active window")) << sources.toStdString();
    EXPECT_TRUE(sources.contains("X-Resource")) << sources.toStdString();
    EXPECT_TRUE(m_idle->description().contains("idle from SYNC IDLETIME alarms")) << sources.toStdString();
}

TEST(X11Connect, NoDisplayGivesNone)
{
    const std::optional<QByteArray> display =
        qEnvironmentVariableIsSet("DISPLAY") ? std::optional(qgetenv("DISPLAY")) : std::nullopt;
    qunsetenv("DISPLAY");
    QString whyNot;
    EXPECT_EQ(X11Workspace::create(&whyNot), nullptr);
    EXPECT_EQ(X11Idle::create(&whyNot), nullptr);
    if (display)
        qputenv("DISPLAY", *display);
}
