// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AtspiAccessibility.h"
#include "AtspiProtocol.h"
#include "FakeAtspi.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <atomic>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

constexpr Accessibility::Timeout timeout = 1000ms;

FakeNode node(quint32 role, QStringList children = {}, QList<quint32> states = {0, 0})
{
    FakeNode n;
    n.role = role;
    n.children = std::move(children);
    n.states = std::move(states);
    return n;
}

// The state words with these states set.
QList<quint32> states(std::initializer_list<int> set)
{
    quint64 bits = 0;
    for (const int state : set)
        bits |= quint64(1) << state;
    return {quint32(bits), quint32(bits >> 32)};
}

qint64 ownPid()
{
    return QCoreApplication::applicationPid();
}

// A browser-like application: two frames, the second one active, with a page in it.
QHash<QString, FakeNode> browserTree()
{
    QHash<QString, FakeNode> nodes;
    nodes["root"] = node(75, {"dialog", "frame1", "frame2"});
    nodes["dialog"] = node(16, {}, states({1}));
    nodes["frame1"] = node(23, {}, states({25}));
    nodes["frame1"].name = "First — Browser";
    nodes["frame2"] = node(23, {"toolbar", "page"}, states({1, 25}));
    nodes["frame2"].name = "Second — Browser";
    nodes["toolbar"] = node(63);
    FakeNode page = node(95, {"text"}, states({25}));
    page.docUrl = "https://example.org/";
    page.extents = QRect(0, 80, 1280, 640);
    nodes["page"] = page;
    nodes["text"] = node(116);
    return nodes;
}

class AtspiAccessibilityTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!FakeAtspi::toolsAvailable())
            GTEST_SKIP() << "needs dbus-daemon";
        m_fake = std::make_unique<FakeAtspi>();
        ASSERT_TRUE(m_fake->isRunning());
        m_fake->setEnabled(true);
        m_accessibility = std::make_unique<AtspiAccessibility>(m_fake->session());
    }

    void TearDown() override
    {
        m_accessibility.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-session-client"));
        m_fake.reset();
    }

    AccessibleElement app(const QString& busName) const { return {busName, FakeAtspi::path("root")}; }
    AccessibleElement at(const QString& busName, const QString& node) const { return {busName, FakeAtspi::path(node)}; }

    std::unique_ptr<FakeAtspi> m_fake;
    std::unique_ptr<AtspiAccessibility> m_accessibility;
};

} // namespace

TEST(AtspiRoles, NumbersMapToTheWalksRoles)
{
    const std::pair<quint32, AccessibleRole> rows[] = {
        {23, AccessibleRole::window},      {95, AccessibleRole::webArea},     {63, AccessibleRole::toolbar},
        {38, AccessibleRole::tabGroup},    {34, AccessibleRole::menuBar},     {33, AccessibleRole::menu},
        {43, AccessibleRole::button},      {62, AccessibleRole::checkBox},    {44, AccessibleRole::radioButton},
        {7, AccessibleRole::checkBox},     {79, AccessibleRole::textField},   {11, AccessibleRole::comboBox},
        {29, AccessibleRole::staticText},  {116, AccessibleRole::staticText}, {27, AccessibleRole::image},
        {75, AccessibleRole::application}, {39, AccessibleRole::other},       {0, AccessibleRole::other},
        {100000, AccessibleRole::other},
    };
    for (const auto& [number, role] : rows)
        EXPECT_EQ(AtspiProtocol::role(number), role) << number;
}

TEST_F(AtspiAccessibilityTest, FindsTheApplicationOfAProcessAndReadsItsTree)
{
    const QString browser = m_fake->addApplication(browserTree());
    const auto answer = m_accessibility->application(ownPid(), timeout);
    ASSERT_EQ(answer.error, Accessibility::Error::none);
    EXPECT_EQ(answer.element, app(browser));

    EXPECT_EQ(m_accessibility->window(app(browser), Accessibility::Window::focused, timeout), at(browser, "frame2"));
    EXPECT_EQ(m_accessibility->window(app(browser), Accessibility::Window::main, timeout), at(browser, "frame1"));
    // The title came with the window: the private-window check that follows costs no message.
    const qsizetype asked = m_fake->calls(browser).size();
    EXPECT_EQ(m_accessibility->name(at(browser, "frame2"), timeout), "Second — Browser");
    EXPECT_EQ(m_fake->calls(browser).size(), asked);
    EXPECT_EQ(m_accessibility->name(at(browser, "frame2"), timeout), "Second — Browser"); // asked again later
    EXPECT_EQ(m_fake->calls(browser).size(), asked + 1);

    const AccessibleFacts frame = m_accessibility->facts(at(browser, "frame2"), timeout);
    EXPECT_EQ(frame.role, AccessibleRole::window);
    EXPECT_EQ(frame.children, (QList<AccessibleElement>{at(browser, "toolbar"), at(browser, "page")}));
    EXPECT_FALSE(frame.address);
    EXPECT_FALSE(frame.size);

    const AccessibleFacts page = m_accessibility->facts(at(browser, "page"), timeout);
    EXPECT_EQ(page.role, AccessibleRole::webArea);
    EXPECT_EQ(page.address, "https://example.org/");
    EXPECT_EQ(page.size, QSizeF(1280, 640));
    EXPECT_TRUE(page.showing);
}

TEST_F(AtspiAccessibilityTest, PageFactsFollowEachEngine)
{
    QHash<QString, FakeNode> nodes;
    nodes["root"] = node(75);
    nodes["gecko"] = node(95, {}, states({}));
    nodes["gecko"].docUrl = "https://gecko.example/";
    nodes["chromium"] = node(95, {}, states({25}));
    nodes["chromium"].uri = "https://chromium.example/";
    nodes["blank"] = node(95, {}, states({25}));
    nodes["blank"].extents = QRect(-1, -1, -1, -1);
    nodes["odd"] = node(95);
    nodes["odd"].wrongShapes = true;
    const QString name = m_fake->addApplication(nodes);

    const AccessibleFacts gecko = m_accessibility->facts(at(name, "gecko"), timeout);
    EXPECT_EQ(gecko.address, "https://gecko.example/");
    EXPECT_FALSE(gecko.showing); // a background tab

    const AccessibleFacts chromium = m_accessibility->facts(at(name, "chromium"), timeout);
    EXPECT_EQ(chromium.address, "https://chromium.example/");
    EXPECT_TRUE(chromium.showing);

    const AccessibleFacts blank = m_accessibility->facts(at(name, "blank"), timeout);
    EXPECT_FALSE(blank.address); // empty attributes are no address
    EXPECT_EQ(blank.size, QSizeF(-1, -1));

    // Replies of the wrong type keep every fact at its default.
    const AccessibleFacts odd = m_accessibility->facts(at(name, "odd"), timeout);
    EXPECT_EQ(odd.role, AccessibleRole::other);
    EXPECT_TRUE(odd.children.isEmpty());
    EXPECT_TRUE(odd.showing);
    EXPECT_TRUE(m_accessibility->name(at(name, "odd"), timeout).isEmpty());

    const AccessibleFacts missing = m_accessibility->facts(at(name, "gone"), timeout);
    EXPECT_EQ(missing.role, AccessibleRole::other);
    EXPECT_TRUE(missing.children.isEmpty());
}

TEST_F(AtspiAccessibilityTest, NoFocusedWindowWithoutAnActiveFrame)
{
    QHash<QString, FakeNode> nodes;
    nodes["root"] = node(75, {"frame"});
    nodes["frame"] = node(23, {}, states({25, 30}));
    const QString name = m_fake->addApplication(nodes);
    EXPECT_EQ(m_accessibility->window(app(name), Accessibility::Window::focused, timeout), std::nullopt);
    EXPECT_EQ(m_accessibility->window(app(name), Accessibility::Window::main, timeout), at(name, "frame"));

    nodes["root"] = node(75);
    const QString empty = m_fake->addApplication(nodes);
    EXPECT_EQ(m_accessibility->window(app(empty), Accessibility::Window::main, timeout), std::nullopt);
}

TEST_F(AtspiAccessibilityTest, AnApplicationTheRegistryDoesNotListYetIsFoundOnTheBus)
{
    QHash<QString, FakeNode> notAnApp;
    notAnApp["root"] = node(23); // a client of the same process whose root is no application
    m_fake->addApplication(notAnApp, false);
    const QString late = m_fake->addApplication(browserTree(), false);
    EXPECT_EQ(m_accessibility->application(ownPid(), timeout).element, app(late));
}

TEST_F(AtspiAccessibilityTest, ANewConnectionOfTheProcessReplacesOneThatWentAway)
{
    const QString first = m_fake->addApplication(browserTree());
    ASSERT_EQ(m_accessibility->application(ownPid(), timeout).element, app(first));
    m_fake->removeApplication(first);
    const QString second = m_fake->addApplication(browserTree());
    EXPECT_EQ(m_accessibility->application(ownPid(), timeout).element, app(second));
}

TEST_F(AtspiAccessibilityTest, WhyNoApplicationIsFound)
{
    const qint64 noSuchProcess = 1; // init has no connection to this bus
    EXPECT_EQ(m_accessibility->application(noSuchProcess, timeout).error, Accessibility::Error::noApplication);
    m_fake->setEnabled(false);
    EXPECT_EQ(m_accessibility->application(noSuchProcess, timeout).error, Accessibility::Error::switchedOff);
    EXPECT_EQ(m_accessibility->application(0, timeout).error, Accessibility::Error::noApplication);

    // With accessibility off an application that exposes itself anyway is still read.
    const QString browser = m_fake->addApplication(browserTree());
    EXPECT_EQ(m_accessibility->application(ownPid(), timeout).element, app(browser));
}

TEST_F(AtspiAccessibilityTest, WithoutALauncherNothingIsEnabledOrFound)
{
    m_fake->setLauncherPresent(false);
    const AtspiAccessibility fresh(m_fake->session());
    EXPECT_FALSE(fresh.isEnabled());
    EXPECT_EQ(fresh.application(ownPid(), timeout).error, Accessibility::Error::switchedOff);
    EXPECT_EQ(fresh.window(AccessibleElement{":1.1", FakeAtspi::path("root")}, Accessibility::Window::main, timeout),
              std::nullopt);
}

TEST_F(AtspiAccessibilityTest, EnabledIsTheDesktopSwitch)
{
    m_fake->setEnabled(false);
    EXPECT_FALSE(m_accessibility->isEnabled());
    m_accessibility->enable();
    EXPECT_TRUE(m_accessibility->isEnabled());
    EXPECT_TRUE(m_fake->enabled());
}

TEST_F(AtspiAccessibilityTest, TheBusIsLookedUpOnceAndWindowActivationIsListenedFor)
{
    const QString browser = m_fake->addApplication(browserTree());
    for (int i = 0; i < 5; ++i)
        m_accessibility->facts(at(browser, "page"), timeout);
    m_accessibility->application(ownPid(), timeout);
    EXPECT_EQ(m_fake->addressRequests(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_fake->registeredEvents().isEmpty(); }, 30000));
    EXPECT_EQ(m_fake->registeredEvents(), QStringList{"window:activate"});
}

TEST_F(AtspiAccessibilityTest, ASlowElementCostsItsTimeoutAndNoMore)
{
    QHash<QString, FakeNode> nodes = browserTree();
    nodes["page"].delayMs = 3000;
    const QString browser = m_fake->addApplication(nodes);
    QElapsedTimer timer;
    timer.start();
    const AccessibleFacts facts = m_accessibility->facts(at(browser, "page"), 200ms);
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_EQ(facts.role, AccessibleRole::other);
    EXPECT_FALSE(facts.address);

    // The reply that comes late is not taken for the answer to a later question.
    EXPECT_EQ(m_accessibility->facts(at(browser, "frame2"), timeout).role, AccessibleRole::window);
}

TEST_F(AtspiAccessibilityTest, AnApplicationThatHangsFailsWithNoReply)
{
    QHash<QString, FakeNode> nodes = browserTree();
    const QString browser = m_fake->addApplication(nodes);
    ASSERT_EQ(m_accessibility->application(ownPid(), timeout).element, app(browser));
    m_fake->removeApplication(browser);
    nodes["root"].delayMs = 3000;
    m_fake->addApplication(nodes);
    EXPECT_NE(m_accessibility->application(ownPid(), 200ms).error, Accessibility::Error::none);
}

TEST_F(AtspiAccessibilityTest, AWalksNextElementsAreAskedAheadAndNotKeptStale)
{
    const QString browser = m_fake->addApplication(browserTree());
    m_accessibility->facts(at(browser, "frame2"), timeout);
    // The frame's children were asked for while the caller still looked at the frame.
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_fake->calls(browser).contains("GetChildren page"); }, 30000));
    EXPECT_TRUE(m_fake->calls(browser).contains("GetRole toolbar"));
    const qsizetype asked = m_fake->calls(browser).size();
    EXPECT_EQ(m_accessibility->facts(at(browser, "toolbar"), timeout).role, AccessibleRole::toolbar);
    EXPECT_EQ(m_fake->calls(browser).size(), asked); // answered from what was asked ahead

    // A control's children are not asked ahead: a walk does not enter it.
    FakeNode toolbar = node(63, {"button"});
    m_fake->setNode(browser, "toolbar", toolbar);
    m_accessibility->facts(at(browser, "toolbar"), timeout);
    QTest::qWait(100);
    EXPECT_FALSE(m_fake->calls(browser).contains("GetRole button"));

    // What was asked ahead and not taken within a second is not used.
    m_accessibility->facts(at(browser, "frame2"), timeout);
    FakeNode page = browserTree()["page"];
    page.children = {"text", "more"};
    m_fake->setNode(browser, "page", page);
    QTest::qWait(1100);
    EXPECT_EQ(m_accessibility->facts(at(browser, "page"), timeout).children.size(), 2);
}

TEST_F(AtspiAccessibilityTest, WorkerThreadsReadAtOnceEachOnItsOwnConnection)
{
    const QString browser = m_fake->addApplication(browserTree());
    const QStringList before = m_fake->accessibilityBusNames();
    {
        QThreadPool pool;
        pool.setMaxThreadCount(4);
        pool.setExpiryTimeout(-1);
        std::atomic<int> right = 0;
        for (int i = 0; i < 200; ++i) {
            pool.start([&] {
                const AccessibleFacts facts = m_accessibility->facts(at(browser, "page"), timeout);
                if (facts.address == "https://example.org/" && facts.size == QSizeF(1280, 640))
                    ++right;
            });
        }
        pool.waitForDone();
        EXPECT_EQ(right, 200);
        EXPECT_GE(m_fake->callers(browser).size(), 2); // several threads, several connections
    }
    // The pool's threads ended, and their connections with them.
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_fake->accessibilityBusNames().size() <= before.size() + 1; }, 30000))
        << m_fake->accessibilityBusNames().join(' ').toStdString();
}

TEST(AtspiSettings, TheDesktopsOwnSettingsProgramOpensTheAccessibilityPage)
{
    QTemporaryDir gnomeOnly, kdeOnly, both, none;
    const auto install = [](const QTemporaryDir& dir, const QString& program) {
        QFile file(dir.filePath(program));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    };
    install(gnomeOnly, "gnome-control-center");
    install(kdeOnly, "systemsettings");
    install(both, "gnome-control-center");
    install(both, "systemsettings");

    const auto command = [](const QString& desktop, const QTemporaryDir& dir) {
        return AtspiAccessibility::settingsCommand(desktop, {dir.path()});
    };
    EXPECT_EQ(command("GNOME", gnomeOnly),
              (QStringList{gnomeOnly.filePath("gnome-control-center"), "universal-access"}));
    EXPECT_EQ(command("GNOME", kdeOnly), (QStringList{kdeOnly.filePath("systemsettings"), "kcm_access"}));
    EXPECT_EQ(command("KDE", both), (QStringList{both.filePath("systemsettings"), "kcm_access"}));
    EXPECT_EQ(command("ubuntu:GNOME", both), (QStringList{both.filePath("gnome-control-center"), "universal-access"}));
    EXPECT_EQ(command("KDE", none), std::nullopt);
}
