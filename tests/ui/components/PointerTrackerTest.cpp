// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PointerTracker.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class Tracking : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(300, 200);
        target = new QWidget(&window);
        target->setGeometry(50, 40, 200, 100);
        button = new QPushButton("Press", target);
        button->setGeometry(100, 20, 80, 40);
        tracker = new PointerTracker(target);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // The pointer stays where the previous test left it; start from outside the target.
        move(&window, {1, 1});
    }

    void move(QWidget* widget, QPoint point)
    {
        QTest::mouseMove(widget, point);
        QCoreApplication::processEvents();
    }

    QWidget window;
    QWidget* target = nullptr;
    QPushButton* button = nullptr;
    PointerTracker* tracker = nullptr;
};

TEST_F(Tracking, ReportsTopLeftPositionsAndAbsenceOnLeave)
{
    QSignalSpy spy(tracker, &PointerTracker::moved);
    move(target, {10, 15});
    ASSERT_TRUE(tracker->location());
    EXPECT_EQ(*tracker->location(), QPointF(10, 15));

    // Over a child the position is still in the target's coordinates.
    move(button, {5, 6});
    EXPECT_EQ(*tracker->location(), QPointF(105, 26));

    move(&window, {5, 5});
    EXPECT_EQ(tracker->location(), std::nullopt);
    ASSERT_GE(spy.size(), 2);
    EXPECT_EQ(spy[spy.size() - 2][0].value<std::optional<QPointF>>(), QPointF(105, 26));
    EXPECT_EQ(spy.last()[0].value<std::optional<QPointF>>(), std::nullopt);
}

TEST_F(Tracking, ClicksReachTheWidgetsUnderneath)
{
    QSignalSpy clicked(button, &QPushButton::clicked);
    move(button, {10, 10});
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicked.size(), 1);
    EXPECT_TRUE(tracker->location());
}

TEST_F(Tracking, HidingOrRemovingForgetsThePointer)
{
    move(target, {10, 15});
    ASSERT_TRUE(tracker->location());
    window.hide();
    EXPECT_EQ(tracker->location(), std::nullopt) << "the window closed under the pointer";

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    move(target, {10, 15});
    ASSERT_TRUE(tracker->location());
    QWidget elsewhere;
    target->setParent(&elsewhere);
    EXPECT_EQ(tracker->location(), std::nullopt) << "taken out of its window";
}

TEST_F(Tracking, DestroyingTheWindowUnderThePointerReportsNothing)
{
    auto* doomed = new QWidget;
    doomed->resize(100, 100);
    auto* doomedTracker = new PointerTracker(doomed);
    doomed->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(doomed));
    move(doomed, {10, 10});
    ASSERT_TRUE(doomedTracker->location());
    // The owner's slots are half destroyed by now; any report would reach them.
    int reports = 0;
    QObject owner;
    QObject::connect(doomedTracker, &PointerTracker::moved, &owner, [&reports] { ++reports; });
    delete doomed;
    EXPECT_EQ(reports, 0);
}

TEST_F(Tracking, FollowsChildrenAddedLater)
{
    auto* label = new QLabel("later", target);
    label->setGeometry(10, 60, 60, 20);
    label->show();
    move(label, {3, 4});
    ASSERT_TRUE(tracker->location());
    EXPECT_EQ(*tracker->location(), QPointF(13, 64));
}

} // namespace
