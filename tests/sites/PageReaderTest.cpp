// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PageReader.h"
#include "FakeAccessibility.h"

#include <gtest/gtest.h>

using Answer = PageReader::Answer;
using Role = AccessibleRole;

namespace {

constexpr qint64 pid = 4242;

class PageReaderTest : public ::testing::Test
{
protected:
    PageReaderTest() { ax.addBrowser(pid, QStringLiteral("window")); }

    Answer frontPage() const { return reader.frontPage(pid); }

    FakeAccessibility ax;
    PageReader reader{ax, [this] { return ax.now(); }};
};

QSizeF size(double width, double height)
{
    return QSizeF(width, height);
}

TEST_F(PageReaderTest, SwitchedOffIsDeniedWithoutAskingTheBrowser)
{
    ax.enabled = false;
    EXPECT_EQ(frontPage(), Answer::denied());
    EXPECT_TRUE(ax.messages.isEmpty());
}

TEST_F(PageReaderTest, ApplicationErrorsMapToDeniedOrFailed)
{
    ax.apps.insert(1, {std::nullopt, Accessibility::Error::switchedOff});
    ax.apps.insert(2, {std::nullopt, Accessibility::Error::noReply});
    EXPECT_EQ(reader.frontPage(1), Answer::denied());
    EXPECT_EQ(reader.frontPage(2), Answer::failed(Accessibility::Error::noReply));
    EXPECT_EQ(reader.frontPage(3), Answer::failed(Accessibility::Error::noReply)); // no such process in the fake
}

TEST_F(PageReaderTest, MainWindowStandsInForAMissingFocusedWindow)
{
    ax.focused.clear();
    ax.main.insert(QStringLiteral("app-4242"), QStringLiteral("main"));
    ax.add(QStringLiteral("main"), Role::window, {QStringLiteral("page")});
    ax.add(QStringLiteral("page"), Role::webArea, {}, QStringLiteral("https://example.org/"), size(800, 600));
    EXPECT_EQ(frontPage(), Answer::page(QStringLiteral("https://example.org/")));
}

TEST_F(PageReaderTest, NoWindowIsNoPage)
{
    ax.focused.clear();
    const PageReader::Reading reading = reader.read(pid);
    EXPECT_EQ(reading.answer, Answer::page(std::nullopt));
    EXPECT_FALSE(reading.hasWindow);
    EXPECT_TRUE(ax.visited.isEmpty());
}

TEST_F(PageReaderTest, EveryMessageCarriesTheOneSecondTimeout)
{
    ax.add(QStringLiteral("window"), Role::window, {QStringLiteral("page")});
    ax.add(QStringLiteral("page"), Role::webArea, {}, QStringLiteral("https://example.org/"), size(1, 1));
    frontPage();
    ASSERT_FALSE(ax.timeouts.isEmpty());
    for (const auto timeout : ax.timeouts)
        EXPECT_EQ(timeout, std::chrono::milliseconds(1000));
}

TEST_F(PageReaderTest, BrowserInterfacePageIsSearchedForTheRealPage)
{
    ax.add(QStringLiteral("window"), Role::window, {QStringLiteral("ui")});
    ax.add(QStringLiteral("ui"), Role::webArea, {QStringLiteral("group")},
           QStringLiteral("chrome://browser/content/browser.xhtml"), size(1200, 900));
    ax.add(QStringLiteral("group"), Role::other, {QStringLiteral("page")});
    ax.add(QStringLiteral("page"), Role::webArea, {}, QStringLiteral("https://news.example/"), size(1200, 700));
    EXPECT_EQ(frontPage(), Answer::page(QStringLiteral("https://news.example/")));
}

struct CandidateCase
{
    const char* name;
    std::optional<QSizeF> first;
    std::optional<QSizeF> second;
    const char* winner;
};

class CandidateTest : public PageReaderTest, public ::testing::WithParamInterface<CandidateCase>
{
};

TEST_P(CandidateTest, LargestAreaWinsAndTheEarlierOneOnATie)
{
    const CandidateCase& c = GetParam();
    // "left" is found before "right" in breadth-first order.
    ax.add(QStringLiteral("window"), Role::window, {QStringLiteral("split")});
    ax.add(QStringLiteral("split"), Role::other, {QStringLiteral("left"), QStringLiteral("right")});
    ax.add(QStringLiteral("left"), Role::webArea, {}, QStringLiteral("https://left.example/"), c.first);
    ax.add(QStringLiteral("right"), Role::webArea, {}, QStringLiteral("https://right.example/"), c.second);
    EXPECT_EQ(frontPage(), Answer::page(QStringLiteral("https://%1.example/").arg(QLatin1String(c.winner))));
}

INSTANTIATE_TEST_SUITE_P(
    Areas, CandidateTest,
    ::testing::Values(CandidateCase{"LargerSecond", size(400, 600), size(800, 600), "right"},
                      CandidateCase{"LargerFirst", size(800, 600), size(400, 600), "left"},
                      CandidateCase{"EqualAreasDifferentShapes", size(300, 400), size(400, 300), "left"},
                      CandidateCase{"UnreadableSizeLosesToAnyArea", std::nullopt, size(1, 1), "right"},
                      CandidateCase{"UnreadableSizeStillTakenFirst", std::nullopt, std::nullopt, "left"},
                      CandidateCase{"UnreadableSizeAgainstZeroArea", std::nullopt, size(0, 500), "left"},
                      CandidateCase{"NegativeExtentsAreNoArea", size(0, 5), size(-1, -1), "left"},
                      CandidateCase{"NegativeExtentsLoseToRealArea", size(-5, -5), size(2, 2), "right"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PageReaderTest, PageWithoutAddressCanWin)
{
    ax.add(QStringLiteral("window"), Role::window, {QStringLiteral("big"), QStringLiteral("small")});
    ax.add(QStringLiteral("big"), Role::webArea, {}, std::nullopt, size(1000, 1000));
    ax.add(QStringLiteral("small"), Role::webArea, {}, QStringLiteral("https://small.example/"), size(10, 10));
    const PageReader::Reading reading = reader.read(pid);
    EXPECT_EQ(reading.answer, Answer::page(std::nullopt));
    EXPECT_TRUE(reading.sawWebArea);
}

TEST_F(PageReaderTest, ChildrenOfAPageAreNotSearched)
{
    ax.add(QStringLiteral("window"), Role::window, {QStringLiteral("page")});
    ax.add(QStringLiteral("page"), Role::webArea, {QStringLiteral("frame")}, QStringLiteral("https://outer.example/"),
           size(10, 10));
    ax.add(QStringLiteral("frame"), Role::webArea, {}, QStringLiteral("https://inner.example/"), size(50, 50));
    EXPECT_EQ(frontPage(), Answer::page(QStringLiteral("https://outer.example/")));
    EXPECT_FALSE(ax.visited.contains(QStringLiteral("frame")));
}

TEST_F(PageReaderTest, BackgroundTabsDoNotCount)
{
    // Gecko keeps every tab's document in the tree at the same size; only the front one is showing.
    ax.add(QStringLiteral("window"), Role::window, {QStringLiteral("tab1"), QStringLiteral("tab2")});
    ax.add(QStringLiteral("tab1"), Role::webArea, {QStringLiteral("inside")}, QStringLiteral("https://one.example/"),
           size(900, 900), false);
    ax.add(QStringLiteral("tab2"), Role::webArea, {}, QStringLiteral("https://two.example/"), size(900, 900));
    ax.add(QStringLiteral("inside"), Role::webArea, {}, QStringLiteral("https://inside.example/"), size(900, 900));
    EXPECT_EQ(frontPage(), Answer::page(QStringLiteral("https://two.example/")));
    EXPECT_FALSE(ax.visited.contains(QStringLiteral("inside")));
}

class SkippedRoleTest : public PageReaderTest, public ::testing::WithParamInterface<Role>
{
};

TEST_P(SkippedRoleTest, ControlsAreNeitherPagesNorSearched)
{
    ax.add(QStringLiteral("window"), Role::window, {QStringLiteral("control")});
    ax.add(QStringLiteral("control"), GetParam(), {QStringLiteral("page")}, QStringLiteral("https://hidden.example/"),
           size(100, 100));
    ax.add(QStringLiteral("page"), Role::webArea, {}, QStringLiteral("https://hidden.example/"), size(100, 100));
    EXPECT_EQ(frontPage(), Answer::page(std::nullopt));
    EXPECT_EQ(ax.visited, QStringList({QStringLiteral("window"), QStringLiteral("control")}));
}

INSTANTIATE_TEST_SUITE_P(Roles, SkippedRoleTest,
                         ::testing::Values(Role::toolbar, Role::tabGroup, Role::menuBar, Role::menu, Role::button,
                                           Role::menuButton, Role::popUpButton, Role::radioButton, Role::checkBox,
                                           Role::textField, Role::comboBox, Role::staticText, Role::image));

TEST_F(PageReaderTest, OrdinaryRolesAreSearched)
{
    ax.add(QStringLiteral("window"), Role::window, {QStringLiteral("a")});
    ax.add(QStringLiteral("a"), Role::application, {QStringLiteral("b")});
    ax.add(QStringLiteral("b"), Role::other, {QStringLiteral("page")});
    ax.add(QStringLiteral("page"), Role::webArea, {}, QStringLiteral("https://deep.example/"), size(1, 1));
    EXPECT_EQ(frontPage(), Answer::page(QStringLiteral("https://deep.example/")));
}

// A window with `fanout` containers below it, the page at breadth-first index `pageIndex` (1-based
// below the window, which has index 0).
void buildWide(FakeAccessibility& ax, int fanout, int pageIndex)
{
    QStringList children;
    for (int i = 1; i <= fanout; ++i) {
        const QString path = QString::number(i);
        children.append(path);
        if (i == pageIndex)
            ax.add(path, Role::webArea, {}, QStringLiteral("https://found.example/"), size(1, 1));
        else
            ax.add(path, Role::other);
    }
    ax.add(QStringLiteral("window"), Role::window, children);
}

TEST_F(PageReaderTest, AtMostFourHundredElementsAreVisited)
{
    buildWide(ax, 1000, 399);
    const PageReader::Reading reading = reader.read(pid);
    EXPECT_EQ(reading.answer, Answer::page(QStringLiteral("https://found.example/")));
    EXPECT_EQ(ax.visited.size(), 400);
    EXPECT_EQ(ax.visited.last(), QStringLiteral("399"));
    EXPECT_FALSE(reading.complete);
}

TEST_F(PageReaderTest, ThePageJustPastTheBudgetIsNotSeen)
{
    buildWide(ax, 1000, 400);
    const PageReader::Reading reading = reader.read(pid);
    EXPECT_EQ(reading.answer, Answer::page(std::nullopt));
    EXPECT_FALSE(ax.visited.contains(QStringLiteral("400")));
    EXPECT_FALSE(reading.sawWebArea);
}

TEST_F(PageReaderTest, SmallTreeIsWalkedCompletely)
{
    buildWide(ax, 399, 0);
    const PageReader::Reading reading = reader.read(pid);
    EXPECT_EQ(ax.visited.size(), 400);
    EXPECT_TRUE(reading.complete);
}

// A chain window → 1 → 2 → … → length, with a page as the last link.
void buildChain(FakeAccessibility& ax, int length)
{
    QString parent = QStringLiteral("window");
    for (int depth = 1; depth < length; ++depth) {
        ax.add(parent, depth == 1 ? Role::window : Role::other, {QString::number(depth)});
        parent = QString::number(depth);
    }
    ax.add(parent, Role::other, {QString::number(length)});
    ax.add(QString::number(length), Role::webArea, {}, QStringLiteral("https://bottom.example/"), size(1, 1));
}

TEST_F(PageReaderTest, PageAtDepthThirtyIsFound)
{
    buildChain(ax, 30);
    EXPECT_EQ(frontPage(), Answer::page(QStringLiteral("https://bottom.example/")));
}

TEST_F(PageReaderTest, NothingBelowDepthThirtyIsVisited)
{
    buildChain(ax, 31);
    const PageReader::Reading reading = reader.read(pid);
    EXPECT_EQ(reading.answer, Answer::page(std::nullopt));
    EXPECT_EQ(ax.visited.last(), QStringLiteral("30")); // visited, its children not queued
    EXPECT_FALSE(reading.complete);
}

TEST_F(PageReaderTest, WalkStopsAtItsDeadline)
{
    buildWide(ax, 100, 50);
    ax.costPerMessage = std::chrono::milliseconds(100);
    const PageReader::Reading reading = reader.read(pid);
    EXPECT_EQ(reading.answer, Answer::page(std::nullopt));
    EXPECT_EQ(ax.visited.size(), 20); // 2 s of 100 ms messages
    EXPECT_FALSE(reading.complete);
}

TEST_F(PageReaderTest, SlowElementsStillLetEarlierFindsCount)
{
    buildWide(ax, 100, 5);
    ax.costPerMessage = std::chrono::milliseconds(1000);
    EXPECT_EQ(frontPage(), Answer::page(std::nullopt)); // only the window and "1" fit in two seconds
    ax.visited.clear();
    ax.costPerMessage = std::chrono::milliseconds(300);
    EXPECT_EQ(frontPage(), Answer::page(QStringLiteral("https://found.example/")));
}

TEST_F(PageReaderTest, CyclicTreeEndsWithinTheBudget)
{
    ax.add(QStringLiteral("window"), Role::window, {QStringLiteral("loop")});
    ax.add(QStringLiteral("loop"), Role::other, {QStringLiteral("window"), QStringLiteral("loop")});
    EXPECT_EQ(frontPage(), Answer::page(std::nullopt));
    EXPECT_EQ(ax.visited.size(), 400);
}

TEST_F(PageReaderTest, WindowFilterDeclinesWithoutWalking)
{
    ax.names.insert(QStringLiteral("window"), QStringLiteral("Secret - Chromium (Incognito)"));
    ax.add(QStringLiteral("window"), Role::window, {QStringLiteral("page")});
    ax.add(QStringLiteral("page"), Role::webArea, {}, QStringLiteral("https://secret.example/"), size(1, 1));
    const PageReader::Reading reading =
        reader.read(pid, [](const QString& title) { return title.endsWith(QLatin1String("(Incognito)")); });
    EXPECT_TRUE(reading.skipped);
    EXPECT_EQ(reading.answer, Answer::page(std::nullopt));
    EXPECT_TRUE(ax.visited.isEmpty());
}

} // namespace
