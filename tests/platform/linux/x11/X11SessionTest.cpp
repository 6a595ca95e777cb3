// Runs against a real X server; tests/e2e/with-x11-session.sh provides one and says so in HORAVANE_X11_SESSION.
#include "Printing.h"
#include "X11Workspace.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QSignalSpy>
#include <QTest>
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

class X11Session : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("HORAVANE_X11_SESSION"))
            GTEST_SKIP() << "needs the session of tests/e2e/with-x11-session.sh";
        m_workspace = X11Workspace::connect();
        ASSERT_TRUE(m_workspace);
    }

    void TearDown() override
    {
        for (const auto& process : m_processes) {
            process->kill();
            process->waitForFinished(3000);
        }
    }

    // Starts a program and returns its pid and the id of its window once that is mapped.
    std::pair<qint64, QString> open(const QString& program, const QString& windowClass)
    {
        auto& process = m_processes.emplace_back(std::make_unique<QProcess>());
        process->start(program, {});
        if (!process->waitForStarted(5000))
            return {};
        const QString window = xdotool({"search", "--sync", "--onlyvisible", "--class", windowClass});
        return {process->processId(), window.section(u'\n', -1)};
    }

    static void activate(const QString& window) { xdotool({"windowactivate", "--sync", window}); }

    std::unique_ptr<X11Workspace> m_workspace;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

} // namespace

TEST_F(X11Session, FrontApplicationFollowsTheActiveWindow)
{
    const auto [xtermPid, xterm] = open("xterm", "XTerm");
    const auto [xcalcPid, xcalc] = open("xcalc", "XCalc");
    ASSERT_FALSE(xterm.isEmpty());
    ASSERT_FALSE(xcalc.isEmpty());
    QSignalSpy activated(m_workspace.get(), &Workspace::applicationActivated);

    activate(xterm);
    EXPECT_TRUE(QTest::qWaitFor([&] { return activated.count() >= 1; }, 3000));
    EXPECT_EQ(m_workspace->frontmostApplication(), (RunningApp{"debian-xterm", "XTerm", xtermPid}));

    // xcalc sets no _NET_WM_PID: the pid comes from the server, and with no desktop entry the class names it.
    activate(xcalc);
    EXPECT_TRUE(QTest::qWaitFor([&] { return activated.count() >= 2; }, 3000));
    EXPECT_EQ(m_workspace->frontmostApplication(), (RunningApp{"XCalc", "XCalc", xcalcPid}));

    const int before = activated.count();
    activate(xcalc); // already in front: no announcement
    QTest::qWait(300);
    EXPECT_EQ(activated.count(), before);
}

TEST_F(X11Session, ASwitchIsSeenByTheNextSampleWithoutTheEventLoop)
{
    const auto [xtermPid, xterm] = open("xterm", "XTerm");
    const auto [xcalcPid, xcalc] = open("xcalc", "XCalc");
    activate(xterm);
    ASSERT_EQ(m_workspace->frontmostApplication().value_or(RunningApp{}).pid, xtermPid);
    QSignalSpy activated(m_workspace.get(), &Workspace::applicationActivated);
    activate(xcalc);
    QElapsedTimer waited;
    waited.start();
    while (m_workspace->frontmostApplication().value_or(RunningApp{}).pid != xcalcPid && waited.elapsed() < 1000)
        QThread::msleep(5); // no event loop: the socket notifier cannot run
    EXPECT_EQ(m_workspace->frontmostApplication().value_or(RunningApp{}).pid, xcalcPid);
    // The sample must not re-enter its caller: the announcement follows from the event loop.
    EXPECT_EQ(activated.count(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return activated.count() >= 1; }, 1000));
}

TEST_F(X11Session, AClosedFrontWindowIsNotReportedAgain)
{
    const auto [xtermPid, xterm] = open("xterm", "XTerm");
    const auto [xcalcPid, xcalc] = open("xcalc", "XCalc");
    activate(xcalc);
    ASSERT_EQ(m_workspace->frontmostApplication().value_or(RunningApp{}).pid, xcalcPid);
    m_processes.back()->kill();
    m_processes.back()->waitForFinished(3000);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return m_workspace->frontmostApplication().value_or(RunningApp{}).pid != xcalcPid; }, 3000));
}

TEST_F(X11Session, AnUnchangedSampleCostsAtMostTwoRoundTrips)
{
    const auto [xtermPid, xterm] = open("xterm", "XTerm");
    activate(xterm);
    ASSERT_TRUE(m_workspace->frontmostApplication()); // resolves and caches the window
    const quint64 before = m_workspace->roundTrips();
    for (int i = 0; i < 10; ++i) {
        m_workspace->frontmostApplication();
        m_workspace->secondsSinceLastInput();
        m_workspace->displayIsAsleep();
    }
    EXPECT_LE(m_workspace->roundTrips() - before, 20u);
}

TEST_F(X11Session, IdleTimeGrowsAndResetsOnInput)
{
    xdotool({"mousemove", "10", "10"});
    EXPECT_LT(m_workspace->secondsSinceLastInput(), 0.5);
    QTest::qWait(1200);
    EXPECT_GE(m_workspace->secondsSinceLastInput(), 1.0);
    xdotool({"mousemove", "20", "30"});
    EXPECT_LT(m_workspace->secondsSinceLastInput(), 0.5);
}

TEST_F(X11Session, XvfbDisplayIsAwakeAndTheSourcesAreNamed)
{
    EXPECT_FALSE(m_workspace->displayIsAsleep());
    const QString sources = m_workspace->sourcesDescription();
    EXPECT_TRUE(sources.startsWith("X11 " + qEnvironmentVariable("DISPLAY") + " (")) << sources.toStdString();
    EXPECT_TRUE(sources.contains("EWMH active window")) << sources.toStdString();
    EXPECT_TRUE(sources.contains("X-Resource")) << sources.toStdString();
    EXPECT_TRUE(sources.contains("XScreenSaver")) << sources.toStdString();
}

TEST(X11Connect, NoDisplayGivesNone)
{
    const std::optional<QByteArray> display =
        qEnvironmentVariableIsSet("DISPLAY") ? std::optional(qgetenv("DISPLAY")) : std::nullopt;
    qunsetenv("DISPLAY");
    EXPECT_EQ(X11Workspace::connect(), nullptr);
    if (display)
        qputenv("DISPLAY", *display);
}
