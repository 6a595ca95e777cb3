// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrowserList.h"
#include "BrowserRow.h"
#include "WelcomeFixture.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QStringList namesOf(const QList<RunningApp>& apps)
{
    QStringList names;
    for (const RunningApp& app : apps)
        names.append(app.localizedName + QLatin1Char('/') + QString::number(app.pid));
    return names;
}

// What the row shows as its state; exactly one of its three state widgets may be visible.
QString shownState(const BrowserRow& row)
{
    QStringList shown;
    if (row.button()->isVisibleTo(&row))
        shown.append(row.button()->text());
    if (row.waitingLabel()->isVisibleTo(&row))
        shown.append(row.waitingLabel()->text());
    if (row.allowedLabel()->isVisibleTo(&row))
        shown.append(QStringLiteral("Allowed"));
    return shown.join(QLatin1Char('+'));
}

} // namespace

TEST(WelcomeBrowsers, OnlyKnownBrowsersOnceEachSortedByName)
{
    struct Case
    {
        const char* name;
        QList<RunningApp> running;
        QStringList expected;
    };
    const Case cases[] = {
        {"nothing running", {}, {}},
        {"no browser among the applications", {editor, app("", "Unnamed", 7)}, {}},
        {"browsers sorted by name, others left out",
         {chrome, editor, firefox, chromium},
         {"Chromium/400", "Firefox ESR/300", "Google Chrome/500"}},
        {"a browser's windows and second process listed once, the first seen",
         {firefox, chromium, app("firefox-esr", "Firefox ESR", 301), firefox},
         {"Chromium/400", "Firefox ESR/300"}},
        {"a nameless browser sorts first", {chrome, app("chromium", "", 9)}, {"/9", "Google Chrome/500"}},
        {"plain code-point order: capitals before small letters, not by locale",
         {app("chromium", "chromium", 1), app("firefox", "Zen", 2), app("google-chrome", "Épiphanie", 3)},
         {"Zen/2", "chromium/1", "Épiphanie/3"}},
        {"the identifier must match exactly", {app("Chromium", "Chromium", 4), app("firefox ", "Firefox", 5)}, {}},
    };
    for (const Case& test : cases)
        EXPECT_EQ(namesOf(BrowserList::browsers(test.running)), test.expected) << test.name;
}

TEST(WelcomeBrowserRow, ShowsOneStateAtATime)
{
    struct Case
    {
        BrowserProbe::Access access;
        const char* shown;
        const char* buttonSays = ""; // to a screen reader, which hears one such button per row
    };
    const Case cases[] = {
        {BrowserProbe::Access::notAsked, "Allow…", "Allow Chromium…"},
        {BrowserProbe::Access::waiting, "Waiting for your answer…"},
        {BrowserProbe::Access::granted, "Allowed"},
        {BrowserProbe::Access::denied, "Open Settings…", "Open Settings for Chromium…"},
        {BrowserProbe::Access::notAsked, "Allow…", "Allow Chromium…"}, // and back, as after the probe's owner restarts
    };
    BrowserRow row(chromium, QImage());
    EXPECT_EQ(shownState(row), "Allow…"); // before any state is set
    for (const Case& test : cases) {
        row.setAccess(test.access);
        EXPECT_EQ(shownState(row), QString::fromUtf8(test.shown)) << test.shown;
        if (*test.buttonSays) {
            EXPECT_EQ(row.button()->accessibleName(), QString::fromUtf8(test.buttonSays));
        }
    }
}

TEST(WelcomeBrowserRow, ANamelessBrowserWithoutIconIsStillListed)
{
    BrowserRow bare(app("chromium", "", 9), QImage());
    EXPECT_EQ(bare.nameLabel()->text(), "Browser");
    EXPECT_EQ(bare.iconLabel(), nullptr);

    QImage icon(64, 64, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    BrowserRow full(app("chromium", "<b>Chromium</b>", 9), icon);
    EXPECT_EQ(full.nameLabel()->text(), "<b>Chromium</b>");
    EXPECT_EQ(full.nameLabel()->textFormat(), Qt::PlainText); // another program's name is never markup
    ASSERT_NE(full.iconLabel(), nullptr);
    EXPECT_EQ(full.iconLabel()->size(), QSize(18, 18));
}

TEST(WelcomeBrowserList, KeepsItsRowsWhileTheSameBrowsersRun)
{
    WelcomeFixture fixture;
    BrowserList list(fixture.icons);
    EXPECT_TRUE(
        list.setEntries({{chromium, BrowserProbe::Access::notAsked}, {chrome, BrowserProbe::Access::notAsked}}));
    const QList<BrowserRow*> first = list.rows();
    first[0]->button()->setFocus();

    EXPECT_TRUE(list.setEntries({{chromium, BrowserProbe::Access::denied}, {chrome, BrowserProbe::Access::granted}}));
    EXPECT_EQ(list.rows(), first);
    EXPECT_FALSE(list.setEntries({{chromium, BrowserProbe::Access::denied}, {chrome, BrowserProbe::Access::granted}}));
    EXPECT_EQ(shownState(*first[0]), "Open Settings…");
    EXPECT_EQ(shownState(*first[1]), "Allowed");

    EXPECT_TRUE(list.setEntries({{chrome, BrowserProbe::Access::granted}}));
    ASSERT_EQ(list.rows().size(), 1);
    EXPECT_EQ(list.rows()[0]->app(), chrome);
    EXPECT_EQ(shownState(*list.rows()[0]), "Allowed");
}
