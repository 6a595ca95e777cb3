// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChartColorsPreview.h"
#include "DailyLimitDialog.h"
#include "ExcludedList.h"
#include "FeedServer.h"
#include "LimitsSection.h"
#include "SegmentedControl.h"
#include "SettingsFixture.h"
#include "Updates.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SettingsViewTest : public ::testing::Test, protected SettingsFixture
{
};

TEST_F(SettingsViewTest, TheStoredTabIsShownAndASwitchIsStored)
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

TEST_F(SettingsViewTest, IdlePickerShowsAndStoresItsChoices)
{
    settings.setIdleMinutes(1);
    SettingsView& view = shown();
    QStringList labels;
    for (int i = 0; i < view.idlePicker()->count(); ++i)
        labels.append(view.idlePicker()->itemText(i));
    EXPECT_EQ(labels, (QStringList{"1 minute idle", "2 minutes idle", "5 minutes idle", "10 minutes idle",
                                   "15 minutes idle", "30 minutes idle"}));
    EXPECT_EQ(view.idlePicker()->currentText(), QStringLiteral("1 minute idle"));
    settings.setIdleMinutes(30);
    EXPECT_EQ(view.idlePicker()->currentText(), QStringLiteral("30 minutes idle"));
    settings.setIdleMinutes(0); // counts as the default
    EXPECT_EQ(view.idlePicker()->currentText(), QStringLiteral("2 minutes idle"));

    view.idlePicker()->setCurrentIndex(3);
    emit view.idlePicker()->activated(3);
    EXPECT_EQ(settings.idleMinutes(), 10);
}

TEST_F(SettingsViewTest, ShowTimeFollowsTheSettingBothWays)
{
    SettingsView& view = shown();
    EXPECT_FALSE(view.showsTimeInTray()->isChecked());
    view.showsTimeInTray()->click();
    EXPECT_TRUE(settings.showsTimeInTray());
    settings.setShowsTimeInTray(false); // the popover's menu changed it
    EXPECT_FALSE(view.showsTimeInTray()->isChecked());
}

TEST_F(SettingsViewTest, RowLabelsNameTheirControlsAndAClickOnOneTogglesItsCheckBox)
{
    SettingsView& view = shown();
    for (QWidget* control : std::initializer_list<QWidget*>{view.showsTimeInTray(), view.idlePicker()}) {
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

TEST_F(SettingsViewTest, ColourPickerStoresItsCountAndThePreviewFollows)
{
    settings.setChartColors(0);
    SettingsView& view = shown();
    EXPECT_EQ(view.colourPicker()->currentId(), 8);
    EXPECT_EQ(view.preview()->count(), 8);
    QTest::mouseClick(view.colourPicker(), Qt::LeftButton, {}, view.colourPicker()->segmentRect(3).center());
    EXPECT_EQ(settings.chartColors(), 3);
    EXPECT_EQ(view.preview()->count(), 3);
    settings.setChartColors(20); // clamped, as the ring does
    EXPECT_EQ(view.colourPicker()->currentId(), 8);
}

TEST_F(SettingsViewTest, ExcludedItemsAreSortedByNameAndTrackAgainBringsTheirTimeBack)
{
    start({{"beta", 600}, {"Alpha", 300}, {"Gamma", 100}});
    SettingsView& view = shown();
    EXPECT_TRUE(view.excludedList()->emptyText()->isVisible());
    EXPECT_EQ(view.excludedList()->emptyText()->text(), QStringLiteral("Nothing is excluded."));

    tracker->exclude(UsageItem{key("beta"), "beta", 600});
    tracker->exclude(UsageItem{key("Alpha"), "Alpha", 300});
    EXPECT_EQ(view.excludedList()->names(), (QStringList{"Alpha", "beta"}));
    EXPECT_FALSE(view.excludedList()->emptyText()->isVisible());
    EXPECT_FALSE(todaysSeconds().contains("beta"));

    QPushButton* again = view.excludedList()->trackAgainButton(key("beta"));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->text(), QStringLiteral("Track Again"));
    EXPECT_EQ(again->accessibleName(), QStringLiteral("Track beta again"));
    again->click();
    QTRY_COMPARE(view.excludedList()->names(), QStringList{"Alpha"});
    EXPECT_FALSE(tracker->excluded().contains(key("beta")));
    EXPECT_EQ(todaysSeconds().value("beta"), 600);
}

TEST_F(SettingsViewTest, LimitsAreListedByNameAndTheirButtonsChangeOrRemoveThem)
{
    start({{"beta", 600}});
    SettingsView& view = shown();
    LimitsSection* limits = view.limits();
    EXPECT_TRUE(limits->emptyText()->isVisible());

    settings.setDailyLimit(DailyLimit{0, "org.example.Gone", 5});
    settings.setDailyLimit(DailyLimit{0, key("beta").id, 60});
    settings.setDailyLimit(DailyLimit{1, "news.example", 90});
    EXPECT_EQ(limits->names(), (QStringList{"beta", "news.example", "org.example.Gone"}))
        << "names from the history, else the id";
    EXPECT_FALSE(limits->emptyText()->isVisible());
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
    QTRY_COMPARE(limits->names(), (QStringList{"news.example", "org.example.Gone"}));
    EXPECT_EQ(settings.dailyLimits().size(), 2);
}

TEST_F(SettingsViewTest, LimitOptionsFollowTheSettingsBothWays)
{
    SettingsView& view = shown();
    LimitsSection* limits = view.limits();
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

TEST_F(SettingsViewTest, LoginToggleChangesTheLoginItem)
{
    SettingsView& view = shown();
    EXPECT_FALSE(view.openAtLogin()->isChecked());
    view.openAtLogin()->click();
    EXPECT_TRUE(loginItem.enabled);
    view.openAtLogin()->click();
    EXPECT_FALSE(loginItem.enabled);
}

TEST_F(SettingsViewTest, LoginToggleFallsBackToTheRealStateWhenTheChangeFails)
{
    loginItem.enabled = true;
    loginItem.refuses = true;
    SettingsView& view = shown();
    EXPECT_EQ(loginItem.calls, 0); // reading the state at creation changes nothing
    EXPECT_TRUE(view.openAtLogin()->isChecked());
    view.openAtLogin()->click();
    EXPECT_EQ(loginItem.calls, 1);
    EXPECT_TRUE(view.openAtLogin()->isChecked());
    EXPECT_FALSE(view.alert()); // no message for it
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
    SettingsView& view = shown();
    QList<QUrl> opened;
    view.setUrlOpener([&opened](const QUrl& url) { opened.append(url); });
    EXPECT_EQ(view.updateLabel()->text(), QStringLiteral("Horavane 1.0"));
    EXPECT_TRUE(view.checkButton()->isEnabled());
    EXPECT_FALSE(view.downloadRow()->isVisibleTo(&view));

    view.checkButton()->click();
    EXPECT_EQ(view.updateLabel()->text(), QStringLiteral("Checking\u2026"));
    QTRY_COMPARE_WITH_TIMEOUT(view.updateLabel()->text(), QString::fromUtf8(GetParam().text), 30000);
    EXPECT_EQ(view.updateStatus(), view.updateLabel()->text());
    EXPECT_TRUE(view.checkButton()->isEnabled());
    EXPECT_EQ(view.downloadRow()->isVisibleTo(&view), GetParam().downloadRow);
    if (GetParam().downloadRow) {
        view.downloadButton()->click();
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

TEST_F(SettingsViewTest, CheckButtonIsDisabledWhileChecking)
{
    FeedServer server;
    server.answer = [](const QByteArray&) { return FeedServer::Answer{200, {}, {}, FeedServer::Answer::Way::silent}; };
    updates = checker(server.url());
    SettingsView& view = shown();
    view.checkButton()->click();
    EXPECT_EQ(view.updateLabel()->text(), QStringLiteral("Checking\u2026"));
    EXPECT_FALSE(view.checkButton()->isEnabled());
    view.checkButton()->click();
    QTest::qWait(50);
    EXPECT_LE(server.heads.size(), 1);
}

TEST_F(SettingsViewTest, UpdatesFooterNamesTheFeedsHost)
{
    SettingsView& view = shown();
    const QString footer = view.updatesFooter()->text();
    EXPECT_TRUE(footer.contains(QStringLiteral("It asks ") + Updates::feed().host() +
                                QStringLiteral(" for the latest version number.")))
        << footer.toStdString();
    EXPECT_FALSE(Updates::feed().host().isEmpty());
}

TEST_F(SettingsViewTest, ShowWelcomeScreenAsksTheShell)
{
    SettingsView& view = shown();
    QSignalSpy requested(&view, &SettingsView::welcomeRequested);
    view.welcomeButton()->click();
    EXPECT_EQ(requested.size(), 1);
}

} // namespace
