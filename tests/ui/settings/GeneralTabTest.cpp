// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GeneralTab.h"
#include "ChartColorsPreview.h"
#include "DailyLimitDialog.h"
#include "ExcludedList.h"
#include "FeedServer.h"
#include "LimitsSection.h"
#include "ListedItems.h"
#include "SegmentedControl.h"
#include "SettingsFixture.h"
#include "Updates.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SettingsGeneralTest : public ::testing::Test, protected SettingsFixture
{
};

TEST_F(SettingsGeneralTest, TheStoredTabIsShownAndASwitchIsStored)
{
    settings.setSettingsTab(QStringLiteral("data"));
    SettingsView& view = shown();
    EXPECT_EQ(view.tab(), SettingsTab::data);
    EXPECT_EQ(view.tabs()->tabText(0), QStringLiteral("General"));
    EXPECT_EQ(view.tabs()->tabText(1), QStringLiteral("Data"));
    view.tabs()->setCurrentIndex(0);
    EXPECT_EQ(settings.settingsTab(), QStringLiteral("general"));
    settings.setSettingsTab(QStringLiteral("something else"));
    EXPECT_EQ(view.tab(), SettingsTab::general);
    EXPECT_EQ(view.width(), 480);
}

TEST_F(SettingsGeneralTest, IdlePickerShowsAndStoresItsChoices)
{
    settings.setIdleMinutes(1);
    GeneralTab& tab = *shown().generalTab();
    QStringList labels;
    for (int i = 0; i < tab.idlePicker()->count(); ++i)
        labels.append(tab.idlePicker()->itemText(i));
    EXPECT_EQ(labels, (QStringList{"1 minute idle", "2 minutes idle", "5 minutes idle", "10 minutes idle",
                                   "15 minutes idle", "30 minutes idle"}));
    EXPECT_EQ(tab.idlePicker()->currentText(), QStringLiteral("1 minute idle"));
    settings.setIdleMinutes(30);
    EXPECT_EQ(tab.idlePicker()->currentText(), QStringLiteral("30 minutes idle"));
    settings.setIdleMinutes(0); // counts as the default
    EXPECT_EQ(tab.idlePicker()->currentText(), QStringLiteral("2 minutes idle"));

    tab.idlePicker()->setCurrentIndex(3);
    emit tab.idlePicker()->activated(3);
    EXPECT_EQ(settings.idleMinutes(), 10);
}

TEST_F(SettingsGeneralTest, ShowTimeFollowsTheSettingBothWays)
{
    GeneralTab& tab = *shown().generalTab();
    EXPECT_FALSE(tab.showsTimeInTray()->isChecked());
    tab.showsTimeInTray()->click();
    EXPECT_TRUE(settings.showsTimeInTray());
    settings.setShowsTimeInTray(false); // the popover's menu changed it
    EXPECT_FALSE(tab.showsTimeInTray()->isChecked());
}

TEST_F(SettingsGeneralTest, RowLabelsNameTheirControlsAndAClickOnOneTogglesItsCheckBox)
{
    GeneralTab& tab = *shown().generalTab();
    for (QWidget* control : std::initializer_list<QWidget*>{tab.showsTimeInTray(), tab.idlePicker()}) {
        QLabel* label = nullptr;
        for (QLabel* candidate : control->parentWidget()->findChildren<QLabel*>())
            if (candidate->buddy() == control)
                label = candidate;
        ASSERT_NE(label, nullptr) << control->accessibleName().toStdString();
        auto* box = qobject_cast<QCheckBox*>(control);
        const bool before = box && box->isChecked();
        QTest::mouseClick(label, Qt::LeftButton);
        if (box) {
            EXPECT_NE(box->isChecked(), before) << label->text().toStdString();
        }
    }
    EXPECT_TRUE(settings.showsTimeInTray());
}

TEST_F(SettingsGeneralTest, ColourPickerStoresItsCountAndThePreviewFollows)
{
    settings.setChartColors(0);
    GeneralTab& tab = *shown().generalTab();
    EXPECT_EQ(tab.colourPicker()->currentId(), 8);
    EXPECT_EQ(tab.preview()->count(), 8);
    QTest::mouseClick(tab.colourPicker(), Qt::LeftButton, {}, tab.colourPicker()->segmentRect(3).center());
    EXPECT_EQ(settings.chartColors(), 3);
    EXPECT_EQ(tab.preview()->count(), 3);
    settings.setChartColors(20); // clamped, as the ring does
    EXPECT_EQ(tab.colourPicker()->currentId(), 8);
}

TEST_F(SettingsGeneralTest, ExcludedItemsAreSortedByNameAndTrackAgainBringsTheirTimeBack)
{
    start({{"beta", 600}, {"Alpha", 300}, {"Gamma", 100}});
    GeneralTab& tab = *shown().generalTab();
    EXPECT_TRUE(tab.excludedList()->emptyText()->isVisible());
    EXPECT_EQ(tab.excludedList()->emptyText()->text(), QStringLiteral("Nothing is excluded."));

    tracker->exclude(UsageItem{key("beta"), "beta", 600});
    tracker->exclude(UsageItem{key("Alpha"), "Alpha", 300});
    EXPECT_EQ(tab.excludedList()->names(), (QStringList{"Alpha", "beta"}));
    EXPECT_FALSE(tab.excludedList()->emptyText()->isVisible());
    EXPECT_FALSE(todaysSeconds().contains("beta"));

    QPushButton* again = tab.excludedList()->trackAgainButton(key("beta"));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->text(), QStringLiteral("Track Again"));
    EXPECT_EQ(again->accessibleName(), QStringLiteral("Track beta again"));
    again->click();
    QTRY_COMPARE(tab.excludedList()->names(), QStringList{"Alpha"});
    EXPECT_FALSE(tracker->excluded().contains(key("beta")));
    EXPECT_EQ(todaysSeconds().value("beta"), 600);
}

TEST_F(SettingsGeneralTest, LimitsAreListedByNameAndTheirButtonsChangeOrRemoveThem)
{
    start({{"beta", 600}});
    GeneralTab& tab = *shown().generalTab();
    LimitsSection* limits = tab.limits();
    EXPECT_TRUE(limits->list()->emptyText()->isVisible());

    settings.setDailyLimit(DailyLimit{0, "org.example.Gone", 5});
    settings.setDailyLimit(DailyLimit{0, key("beta").id, 60});
    settings.setDailyLimit(DailyLimit{1, "news.example", 90});
    EXPECT_EQ(limits->list()->names(), (QStringList{"beta", "news.example", "org.example.Gone"}))
        << "names from the history, else the id";
    EXPECT_FALSE(limits->list()->emptyText()->isVisible());
    QPushButton* change = limits->changeButton(key("beta"));
    ASSERT_NE(change, nullptr);
    EXPECT_EQ(change->text(), "1h");
    EXPECT_EQ(change->accessibleName(), "Daily limit of beta: 1 hour");
    EXPECT_EQ(limits->removeButton(key("beta"))->accessibleName(), "Remove the daily limit of beta");

    change->click();
    auto* dialog = qobject_cast<DailyLimitDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Up);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(limits->changeButton(key("beta"))->text(), "2h");

    limits->removeButton(key("beta"))->click();
    QTRY_COMPARE(limits->list()->names(), (QStringList{"news.example", "org.example.Gone"}));
    EXPECT_EQ(settings.dailyLimits().size(), 2);
}

TEST_F(SettingsGeneralTest, LimitOptionsFollowTheSettingsBothWays)
{
    GeneralTab& tab = *shown().generalTab();
    LimitsSection* limits = tab.limits();
    const struct
    {
        QCheckBox* box;
        std::function<bool()> stored;
        std::function<void(bool)> store;
    } checks[] = {
        {limits->warnsBefore(), [&] { return settings.warnsBeforeLimit(); },
         [&](bool on) { settings.setWarnsBeforeLimit(on); }},
        {limits->countsAllComputers(), [&] { return settings.limitsCountAllComputers(); },
         [&](bool on) { settings.setLimitsCountAllComputers(on); }},
        {limits->remindsOfBreaks(), [&] { return settings.remindsOfBreaks(); },
         [&](bool on) { settings.setRemindsOfBreaks(on); }},
    };
    for (const auto& each : checks) {
        const QString name = each.box->accessibleName();
        EXPECT_EQ(each.box->isChecked(), each.stored()) << name.toStdString();
        each.box->click();
        EXPECT_EQ(each.stored(), each.box->isChecked()) << name.toStdString();
        each.store(!each.stored());
        EXPECT_EQ(each.box->isChecked(), each.stored()) << name.toStdString();
    }

    settings.setRemindsOfBreaks(false);
    EXPECT_FALSE(limits->breakAfter()->isEnabled());
    settings.setRemindsOfBreaks(true);
    EXPECT_TRUE(limits->breakAfter()->isEnabled());
    EXPECT_EQ(limits->breakAfter()->currentText(), "50 minutes");
    EXPECT_EQ(limits->breakIdle()->currentText(), "5 minutes");
    limits->breakAfter()->setCurrentIndex(limits->breakAfter()->findText("1 hour 30 minutes"));
    emit limits->breakAfter()->activated(limits->breakAfter()->currentIndex());
    EXPECT_EQ(settings.breakAfterMinutes(), 90);
    settings.setBreakIdleMinutes(7);
    EXPECT_EQ(limits->breakIdle()->currentText(), "7 minutes") << "a stored value off the list is shown";
}

TEST_F(SettingsGeneralTest, LoginToggleChangesTheLoginItem)
{
    GeneralTab& tab = *shown().generalTab();
    EXPECT_FALSE(tab.openAtLogin()->isChecked());
    tab.openAtLogin()->click();
    EXPECT_TRUE(loginItem.enabled);
    tab.openAtLogin()->click();
    EXPECT_FALSE(loginItem.enabled);
}

TEST_F(SettingsGeneralTest, LoginToggleFallsBackToTheRealStateWhenTheChangeFails)
{
    loginItem.enabled = true;
    loginItem.refuses = true;
    GeneralTab& tab = *shown().generalTab();
    EXPECT_EQ(loginItem.calls, 0); // reading the state at creation changes nothing
    EXPECT_TRUE(tab.openAtLogin()->isChecked());
    tab.openAtLogin()->click();
    EXPECT_EQ(loginItem.calls, 1);
    EXPECT_TRUE(tab.openAtLogin()->isChecked());
    EXPECT_FALSE(view->dataTab()->alert()); // no message for it
}

// The update row against a feed server answering as each case needs.
struct UpdateCase
{
    const char* name;
    int status;
    const char* body;
    const char* text;
    bool downloadRow;
};

class SettingsUpdatesTest : public ::testing::TestWithParam<UpdateCase>, protected SettingsFixture
{
};

TEST_P(SettingsUpdatesTest, StatusButtonAndDownloadRowFollowTheChecker)
{
    FeedServer server;
    const UpdateCase row = GetParam();
    server.answer = [row](const QByteArray&) { return FeedServer::Answer{row.status, row.body, {}}; };
    updates = checker(server.url());
    GeneralTab& tab = *shown().generalTab();
    QList<QUrl> opened;
    tab.setUrlOpener([&opened](const QUrl& url) { opened.append(url); });
    EXPECT_EQ(tab.updateLabel()->text(), QStringLiteral("Horavane 1.0"));
    EXPECT_TRUE(tab.checkButton()->isEnabled());
    EXPECT_FALSE(tab.downloadRow()->isVisibleTo(&tab));

    tab.checkButton()->click();
    EXPECT_EQ(tab.updateLabel()->text(), QStringLiteral("Checking\u2026"));
    QTRY_COMPARE_WITH_TIMEOUT(tab.updateLabel()->text(), QString::fromUtf8(GetParam().text), 30000);
    EXPECT_EQ(tab.updateStatus(), tab.updateLabel()->text());
    EXPECT_TRUE(tab.checkButton()->isEnabled());
    EXPECT_EQ(tab.downloadRow()->isVisibleTo(&tab), GetParam().downloadRow);
    if (GetParam().downloadRow) {
        tab.downloadButton()->click();
        EXPECT_EQ(opened, QList<QUrl>{Updates::page()});
    }
}

INSTANTIATE_TEST_SUITE_P(
    States, SettingsUpdatesTest,
    ::testing::Values(UpdateCase{"available", 200, R"({"version": "9.1"})", "Version 9.1 is available.", true},
                      UpdateCase{"up_to_date", 200, R"({"version": "1.0"})", "Horavane 1.0 is the latest version.",
                                 false},
                      UpdateCase{"server_error", 500, "", "Couldn't check. Try again when you're online.", false},
                      UpdateCase{"not_a_feed", 200, "<html>", "Couldn't check. Try again when you're online.", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsGeneralTest, CheckButtonIsDisabledWhileChecking)
{
    FeedServer server;
    server.answer = [](const QByteArray&) { return FeedServer::Answer{200, {}, {}, FeedServer::Answer::Way::silent}; };
    updates = checker(server.url());
    GeneralTab& tab = *shown().generalTab();
    tab.checkButton()->click();
    EXPECT_EQ(tab.updateLabel()->text(), QStringLiteral("Checking\u2026"));
    EXPECT_FALSE(tab.checkButton()->isEnabled());
    tab.checkButton()->click();
    QTest::qWait(50);
    EXPECT_LE(server.heads.size(), 1);
}

TEST_F(SettingsGeneralTest, UpdatesFooterNamesTheFeedsHost)
{
    GeneralTab& tab = *shown().generalTab();
    const QString footer = tab.updatesFooter()->text();
    EXPECT_TRUE(footer.contains(QStringLiteral("It asks ") + Updates::feed().host() +
                                QStringLiteral(" for the latest version number.")))
        << footer.toStdString();
    EXPECT_FALSE(Updates::feed().host().isEmpty());
}

} // namespace
