// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DailyLimitDialog.h"
#include "PopoverFixture.h"

#include <QApplication>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DailyLimitDialogTest : public ::testing::Test, protected PopoverFixture
{
};

} // namespace

TEST_F(DailyLimitDialogTest, TheKeyboardChoosesFromFiveMinutesToTwelveHoursReturnKeepsItEscapeDoesNot)
{
    const ItemKey site{ItemKind::site, "example.com"};
    const struct
    {
        const char* name;
        std::optional<int> stored;               // the item's limit before
        QList<std::pair<QString, Qt::Key>> keys; // text typed into the focused box, else a key
        std::optional<int> kept;
    } cases[] = {
        {"a new limit starts at an hour", std::nullopt, {{"", Qt::Key_Return}}, 60},
        {"no hours leave at least 5 minutes", 60, {{"", Qt::Key_Down}, {"", Qt::Key_Return}}, 5},
        {"twelve hours leave no minutes", 95, {{"", Qt::Key_A}, {"12", Qt::Key_unknown}, {"", Qt::Key_Return}}, 720},
        {"the minutes go in fives", 60, {{"", Qt::Key_Tab}, {"", Qt::Key_Up}, {"", Qt::Key_Return}}, 65},
        {"Escape keeps the limit as it was", 90, {{"", Qt::Key_Down}, {"", Qt::Key_Escape}}, 90},
        {"Escape sets no new limit", std::nullopt, {{"", Qt::Key_Escape}}, std::nullopt},
    };
    for (const auto& each : cases) {
        settings.removeDailyLimit(1, site.id);
        if (each.stored)
            settings.setDailyLimit(DailyLimit{1, site.id, *each.stored});
        QPointer<DailyLimitDialog> dialog = DailyLimitDialog::ask(settings, site, "example.com");
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog)) << each.name;
        EXPECT_EQ(dialog->hoursBox()->accessibleName(), "Hours");
        EXPECT_EQ(dialog->minutesBox()->accessibleName(), "Minutes");
        for (const auto& [text, key] : each.keys) {
            if (key == Qt::Key_A)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            else if (!text.isEmpty())
                QTest::keyClicks(QApplication::focusWidget(), text);
            else
                QTest::keyClick(QApplication::focusWidget(), key);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.isNull()) << each.name << ": the dialog closed and went";
        QList<DailyLimit> expected;
        if (each.kept)
            expected.append(DailyLimit{1, site.id, *each.kept});
        EXPECT_EQ(settings.dailyLimits(), expected) << each.name;
        delete dialog;
    }
}
