// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ItemList.h"
#include "ItemRow.h"
#include "PointerTracker.h"
#include "PopoverFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ItemListTest : public ::testing::Test, protected PopoverFixture
{
protected:
    ItemListTest()
    {
        list.resize(280, 4 * ItemList::rowHeight);
        list.setItems({mail, editor, web}, {{mail.key, Palette::slices()[0]}, {editor.key, Palette::slices()[1]}});
        parkPointer();
        list.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    static PointerTracker* trackerOf(ItemRow* row) { return row->findChild<PointerTracker*>(); }

    const UsageItem mail{key("Mail"), "Mail", 600};
    const UsageItem editor{key("Editor"), "Editor", 300};
    const UsageItem web{ItemKey{ItemKind::site, "example.com"}, "example.com", 30};
    ItemList list{icons};
};

} // namespace

TEST_F(ItemListTest, RowsShowTheirItemAndSwatchOrTheSharedGrey)
{
    ASSERT_NE(list.row(2), nullptr);
    EXPECT_EQ(list.row(0)->item(), mail);
    EXPECT_EQ(list.row(0)->swatch(), Palette::slices()[0]);
    EXPECT_EQ(list.row(2)->swatch(), std::nullopt);
    EXPECT_EQ(list.row(1)->geometry().top(), 32);
    EXPECT_EQ(list.row(1)->height(), 32);
    EXPECT_TRUE(list.row(0)->accessibleName().startsWith("Mail, "));
}

TEST_F(ItemListTest, MovingToTheNextRowEndsThereWhicheverReportComesFirst)
{
    emit trackerOf(list.row(0))->moved(QPointF(10, 10));
    ASSERT_EQ(list.hovered(), mail.key);
    QSignalSpy changes(&list, &ItemList::hoveredChanged);

    // The next row hears of the pointer before the first row hears it left.
    emit trackerOf(list.row(1))->moved(QPointF(10, 1));
    emit trackerOf(list.row(0))->moved(std::nullopt);
    EXPECT_EQ(list.hovered(), editor.key);

    // And the other way round.
    emit trackerOf(list.row(1))->moved(std::nullopt);
    emit trackerOf(list.row(2))->moved(QPointF(10, 1));
    EXPECT_EQ(list.hovered(), web.key);
    EXPECT_EQ(changes.count(), 3); // editor, none, web
}

TEST_F(ItemListTest, HoveredAndHighlightedRowsBothShowAsHovered)
{
    list.setHovered(mail.key);
    list.setHighlighted(web.key);
    EXPECT_TRUE(list.row(0)->isHovered());
    EXPECT_FALSE(list.row(1)->isHovered());
    EXPECT_TRUE(list.row(2)->isHovered());
    list.setHighlighted(std::nullopt);
    EXPECT_FALSE(list.row(2)->isHovered());
}

TEST_F(ItemListTest, HidingTheListLeavesNoRowHovered)
{
    QTest::mouseMove(list.row(1), QPoint(20, 16));
    ASSERT_EQ(list.hovered(), editor.key);
    list.hide(); // the popover closes with the pointer over a row
    EXPECT_EQ(list.hovered(), std::nullopt);
    list.show();
    EXPECT_FALSE(list.row(1)->isHovered());
}

TEST_F(ItemListTest, AHoveredItemThatDisappearsIsNoLongerHovered)
{
    list.setHovered(editor.key);
    QSignalSpy changes(&list, &ItemList::hoveredChanged);
    list.setItems({mail, web}, {});
    EXPECT_EQ(list.hovered(), std::nullopt);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(list.row(2), nullptr);
    EXPECT_EQ(list.row(1)->item(), web);
    EXPECT_EQ(list.row(0)->swatch(), std::nullopt) << "colours are replaced with the items";
}

TEST_F(ItemListTest, OnlyAnExcludableListOffersDontTrackAndTheDailyLimitCommands)
{
    rightClick(list.row(0), QPoint(40, 16));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    list.setExcludable(true);
    list.setItems({mail, editor, web}, {}, {{web.key, LimitMark{600, 0, 0, 1}}});
    QSignalSpy excluded(&list, &ItemList::excludeRequested);
    QSignalSpy limited(&list, &ItemList::limitRequested);
    QSignalSpy unlimited(&list, &ItemList::limitRemovalRequested);
    const struct
    {
        int row;
        QStringList titles; // separators empty
        int chosen;
        QSignalSpy* spy;
    } cases[] = {
        {2, {ItemList::excludeTitle("example.com"), "", "Change Daily Limit…", "Remove Daily Limit"}, 0, &excluded},
        {2, {ItemList::excludeTitle("example.com"), "", "Change Daily Limit…", "Remove Daily Limit"}, 2, &limited},
        {2, {ItemList::excludeTitle("example.com"), "", "Change Daily Limit…", "Remove Daily Limit"}, 3, &unlimited},
        {0, {ItemList::excludeTitle("Mail"), "", "Set Daily Limit…"}, 2, &limited},
    };
    for (const auto& each : cases) {
        rightClick(list.row(each.row), QPoint(40, 16));
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr);
        QStringList titles;
        for (const QAction* action : menu->actions())
            titles.append(action->text());
        EXPECT_EQ(titles, each.titles);
        const int before = static_cast<int>(each.spy->count());
        menu->actions().at(each.chosen)->trigger();
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(each.spy->count(), before + 1) << each.titles.at(each.chosen).toStdString();
        EXPECT_EQ(each.spy->last().first().value<UsageItem>(), list.items().at(each.row));
    }
}

TEST_F(ItemListTest, RowsAreListItemsTheArrowsMoveBetweenAndTheMenuKeyOffersDontTrack)
{
    QAccessibleInterface* row = QAccessible::queryAccessibleInterface(list.row(0));
    EXPECT_EQ(row->role(), QAccessible::ListItem);
    EXPECT_EQ(row->text(QAccessible::Name), "Mail, 10 minutes");
    EXPECT_EQ(row->parent()->role(), QAccessible::List);
    EXPECT_EQ(list.scrollArea()->focusPolicy(), Qt::NoFocus) << "the frame is no Tab stop of its own";

    list.setExcludable(true);
    list.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    list.focusRow(0);
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int focused;
        bool menu;
    } steps[] = {
        {Qt::Key_Down, {}, 1, false}, {Qt::Key_Down, {}, 2, false},
        {Qt::Key_Down, {}, 2, false}, {Qt::Key_Up, {}, 1, false},
        {Qt::Key_Home, {}, 0, false}, {Qt::Key_End, {}, 2, false},
        {Qt::Key_Menu, {}, 2, true},  {Qt::Key_F10, Qt::ShiftModifier, 2, true},
    };
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_EQ(menu != nullptr, step.menu) << step.key;
        if (menu) {
            EXPECT_EQ(menu->actions().first()->text(), ItemList::excludeTitle("example.com"));
            EXPECT_EQ(static_cast<QMenu*>(menu)->activeAction(), menu->actions().first()) << "Return chooses it";
            menu->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        EXPECT_EQ(QApplication::focusWidget(), list.row(step.focused)) << step.key;
        int tabStops = 0;
        for (int i = 0; i < 3; ++i)
            tabStops += (list.row(i)->focusPolicy() & Qt::TabFocus) ? 1 : 0;
        EXPECT_EQ(tabStops, 1) << "Tab reaches one row, the current one";
    }
}

TEST(ItemRowTexts, TheTimeReadsAgainstTheLimitOnOneDayAndCountsTheDaysOverOnSeveral)
{
    const struct
    {
        const char* name;
        std::optional<LimitMark> limit;
        QString time;
        QString spoken;
    } cases[] = {
        {"no limit", std::nullopt, "1h 32m", "Mail, 1 hour 32 minutes"},
        {"one day, within", LimitMark{7200, 0, 0, 1}, "1h 32m of 2h",
         "Mail, 1 hour 32 minutes of its daily limit of 2 hours"},
        {"one day, over", LimitMark{3600, 1920, 1, 1}, "1h 32m of 1h",
         "Mail, 1 hour 32 minutes, over its daily limit of 1 hour"},
        {"a week, within", LimitMark{3600, 0, 0, 7}, "1h 32m",
         "Mail, 1 hour 32 minutes, within its daily limit of 1 hour every day"},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(ItemRow::timeText(5520, each.limit), each.time) << each.name;
        EXPECT_EQ(ItemRow::spokenText("Mail", 5520, each.limit), each.spoken) << each.name;
    }
    // The days over are a plural the translations spell out; the number must be there.
    const LimitMark weekOver{3600, 600, 2, 7};
    EXPECT_TRUE(ItemRow::timeText(5520, weekOver).startsWith("1h 32m, 2 "));
    EXPECT_TRUE(ItemRow::spokenText("Mail", 5520, weekOver)
                    .startsWith("Mail, 1 hour 32 minutes, over its daily limit of 1 hour on 2 "));
}
