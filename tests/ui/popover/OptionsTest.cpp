// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OptionsMenu.h"
#include "PermissionNotice.h"
#include "PopoverFixture.h"
#include "PopoverView.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class OptionsTest : public ::testing::Test, protected PopoverFixture
{
protected:
    OptionsTest()
    {
        start({});
        popover = std::make_unique<PopoverView>(*tracker, icons, settings, updates, fake.accessibility);
    }

    QStringList entries(const QMenu& menu) const
    {
        QStringList texts;
        for (const QAction* action : menu.actions())
            texts.append(action->isSeparator() ? QStringLiteral("—") : action->text());
        return texts;
    }
    QAction* colourChoice(int count) const
    {
        for (QAction* action : popover->optionsMenu()->colouredSlices()->actions())
            if (action->text() == QString::number(count))
                return action;
        return nullptr;
    }
    int checkedColourCount() const
    {
        for (QAction* action : popover->optionsMenu()->colouredSlices()->actions())
            if (action->isChecked())
                return action->text().toInt();
        return 0;
    }

    std::unique_ptr<PopoverView> popover;
};

} // namespace

TEST_F(OptionsTest, TheMenuSitsBehindAnEllipsisButtonNamedOptions)
{
    EXPECT_EQ(popover->optionsButton()->accessibleName(), "Options");
    EXPECT_EQ(popover->optionsButton()->menu(), popover->optionsMenu());
    EXPECT_EQ(entries(*popover->optionsMenu()),
              (QStringList{"Show Time in Menu Bar", "Open at Login", "Coloured Slices", "Don’t Track", "—",
                           "Check for Updates…", "Settings…", "—", "Quit Horavane"}));
    EXPECT_EQ(entries(*popover->optionsMenu()->colouredSlices()), (QStringList{"3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(popover->optionsMenu()->settingsAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    EXPECT_EQ(popover->optionsMenu()->quit()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

TEST_F(OptionsTest, ShowTimeInTrayFollowsTheSettingBothWays)
{
    QAction* showsTime = popover->optionsMenu()->showsTimeInTray();
    EXPECT_FALSE(showsTime->isChecked());
    showsTime->trigger();
    EXPECT_TRUE(settings.showsTimeInTray());
    settings.setShowsTimeInTray(false); // from the settings window
    EXPECT_FALSE(showsTime->isChecked());
}

TEST_F(OptionsTest, ColouredSlicesShowsTheEffectiveCountAndStoresTheChoice)
{
    EXPECT_EQ(checkedColourCount(), 8);
    colourChoice(3)->trigger();
    EXPECT_EQ(settings.chartColors(), 3);
    EXPECT_EQ(checkedColourCount(), 3);

    const std::pair<int, int> stored[] = {{0, 8}, {1, 3}, {12, 8}, {5, 5}};
    for (const auto& [value, shown] : stored) {
        settings.setChartColors(value);
        EXPECT_EQ(checkedColourCount(), shown) << "stored " << value;
    }
}

TEST_F(OptionsTest, OpenAtLoginAnnouncesTheChoiceAndShowsTheRealState)
{
    QSignalSpy toggled(popover.get(), &PopoverView::openAtLoginToggled);
    QAction* opensAtLogin = popover->optionsMenu()->opensAtLogin();
    opensAtLogin->trigger();
    ASSERT_EQ(toggled.count(), 1);
    EXPECT_EQ(toggled.first().first().toBool(), true);

    // Registration failed: the owner answers with the real state, which is not announced again.
    popover->setOpensAtLogin(false);
    EXPECT_FALSE(opensAtLogin->isChecked());
    EXPECT_EQ(toggled.count(), 1);
}

TEST_F(OptionsTest, CheckForUpdatesOpensTheGeneralTabAndStartsACheck)
{
    settings.setSettingsTab(QStringLiteral("excluded"));
    QSignalSpy settingsRequested(popover.get(), &PopoverView::settingsRequested);
    QString tabWhenOpened;
    QObject::connect(popover.get(), &PopoverView::settingsRequested, popover.get(),
                     [this, &tabWhenOpened] { tabWhenOpened = settings.settingsTab(); });

    popover->optionsMenu()->checkForUpdates()->trigger();
    EXPECT_EQ(settingsRequested.count(), 1);
    EXPECT_EQ(tabWhenOpened, "general");
    EXPECT_EQ(updates.state().kind, UpdateChecker::State::Kind::checking);
}

TEST_F(OptionsTest, SettingsAndQuitAreHandedToTheOwner)
{
    QSignalSpy settingsRequested(popover.get(), &PopoverView::settingsRequested);
    QSignalSpy quitRequested(popover.get(), &PopoverView::quitRequested);
    popover->optionsMenu()->settingsAction()->trigger();
    popover->optionsMenu()->quit()->trigger();
    EXPECT_EQ(settingsRequested.count(), 1);
    EXPECT_EQ(quitRequested.count(), 1);
    EXPECT_EQ(updates.state().kind, UpdateChecker::State::Kind::idle);
}

TEST(PermissionNoticeTexts, EachPermissionHasItsOwnTextAndButton)
{
    struct Case
    {
        const char* name;
        Tracker::BlockedBrowser browser;
        QString text;
        QString button;
    };
    const Case cases[] = {
        {"accessibility",
         {"Firefox", BrowserPermission::accessibility, "firefox"},
         "Horavane can't see which websites you visit in Firefox yet. Firefox can only be asked through "
         "Accessibility, which Horavane uses just to read the address of the page in front.",
         "Open Accessibility Settings…"},
        {"automation",
         {"Chromium", BrowserPermission::rendererAccessibility, "chromium"},
         "Horavane can't see which websites you visit in Chromium yet.",
         "Set Up Browser Access…"},
    };
    for (const Case& test : cases) {
        PermissionNotice notice;
        notice.setBlockedBrowser(test.browser);
        EXPECT_FALSE(notice.isHidden()) << test.name;
        EXPECT_EQ(notice.label()->text(), test.text) << test.name;
        EXPECT_EQ(notice.button()->text(), test.button) << test.name;

        QSignalSpy requested(&notice, &PermissionNotice::settingsRequested);
        notice.button()->click();
        ASSERT_EQ(requested.count(), 1) << test.name;
        EXPECT_EQ(requested.first().first().value<BrowserPermission>(), test.browser.permission) << test.name;

        notice.setBlockedBrowser(std::nullopt);
        EXPECT_TRUE(notice.isHidden()) << test.name;
    }
}

TEST(PermissionNoticeTexts, ABrowserNameIsShownAsWrittenNotAsMarkup)
{
    PermissionNotice notice;
    notice.setBlockedBrowser(Tracker::BlockedBrowser{"<b>Web</b>", BrowserPermission::rendererAccessibility, "web"});
    EXPECT_EQ(notice.label()->textFormat(), Qt::PlainText);
    EXPECT_TRUE(notice.label()->text().contains("<b>Web</b>"));
}
