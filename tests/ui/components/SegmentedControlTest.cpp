// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SegmentedControl.h"
#include "Divider.h"
#include "Theme.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

QPalette appearance(bool dark)
{
    QPalette colors = QApplication::palette();
    const QColor window = dark ? QColor(0x1e, 0x1e, 0x1e) : QColor(0xec, 0xec, 0xec);
    const QColor base = dark ? QColor(0x28, 0x28, 0x28) : QColor(Qt::white);
    const QColor text = dark ? QColor(0xf0, 0xf0, 0xf0) : QColor(Qt::black);
    for (const auto& [role, color] : {std::pair{QPalette::Window, window},
                                      {QPalette::Base, base},
                                      {QPalette::Button, base},
                                      {QPalette::WindowText, text},
                                      {QPalette::Text, text},
                                      {QPalette::ButtonText, text}})
        colors.setColor(role, color);
    return colors;
}

// Restores the application's palette when a test switched it.
struct PaletteSwitch
{
    const QPalette before = QApplication::palette();
    ~PaletteSwitch() { QApplication::setPalette(before); }
};

QColor pixel(QWidget& widget, const QPoint& at)
{
    return widget.grab().toImage().pixelColor(at);
}

TEST(SegmentedControl, ClickingAnotherSegmentChoosesItOnce)
{
    SegmentedControl control({{3, "3"}, {4, "4"}, {5, "5"}}, 32);
    control.setCurrentId(4);
    QSignalSpy chosen(&control, &SegmentedControl::idChosen);
    QTest::mouseClick(&control, Qt::LeftButton, {}, control.segmentRect(4).center());
    EXPECT_EQ(chosen.count(), 0) << "the current segment again";
    QTest::mouseClick(&control, Qt::LeftButton, {}, control.segmentRect(5).center());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 5);
    EXPECT_EQ(control.currentId(), 5);
    control.setCurrentId(9); // not offered: none is chosen, nothing announced
    EXPECT_EQ(control.currentId(), std::nullopt);
    EXPECT_EQ(chosen.count(), 1);
}

TEST(SegmentedControl, IsARadioGroupWhoseButtonsChooseAsAClickDoes)
{
    SegmentedControl control({{7, "7 Days"}, {30, "30 Days"}}, 84);
    control.setAccessibleName("Period");
    control.setCurrentId(7);
    QSignalSpy chosen(&control, &SegmentedControl::idChosen);
    QAccessibleInterface* group = QAccessible::queryAccessibleInterface(&control);
    ASSERT_EQ(group->childCount(), 2);
    struct Expected
    {
        const char* name;
        bool checked;
    };
    for (const auto& [index, expected] : {std::pair{0, Expected{"7 Days", true}}, {1, Expected{"30 Days", false}}}) {
        QAccessibleInterface* choice = group->child(index);
        EXPECT_EQ(choice, group->child(index)) << "the same interface every time";
        EXPECT_EQ(choice->role(), QAccessible::RadioButton);
        EXPECT_EQ(choice->text(QAccessible::Name), expected.name);
        EXPECT_EQ(bool(choice->state().checked), expected.checked) << expected.name;
        EXPECT_EQ(group->indexOfChild(choice), index);
    }
    group->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 30);
    EXPECT_TRUE(group->child(1)->state().checked);
}

TEST(SegmentedControl, TheChosenSegmentStandsOutInLightAndDark)
{
    PaletteSwitch restore;
    for (const bool dark : {false, true}) {
        QApplication::setPalette(appearance(dark));
        SegmentedControl control({{7, "7 Days"}, {30, "30 Days"}}, 84);
        control.setCurrentId(7);
        control.resize(control.sizeHint());
        // Beside the titles, half way down: the chosen plate against the bare track of the other segment.
        const QColor chosen =
            pixel(control, control.segmentRect(7).topLeft() + QPoint(6, SegmentedControl::barHeight / 2));
        const QColor other =
            pixel(control, control.segmentRect(30).topLeft() + QPoint(6, SegmentedControl::barHeight / 2));
        EXPECT_GE(chosen.lightness() - other.lightness(), 20) << (dark ? "dark" : "light") << ": the plate is lighter";
    }
}

TEST(Appearance, ALightDarkSwitchRepaintsSecondaryTextAndDividers)
{
    PaletteSwitch restore;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel("Daily Average");
    layout->addWidget(label);
    Theme::useSecondaryText(label);
    auto* divider = new Divider;
    layout->addWidget(divider);
    window.resize(120, 60);
    window.show(); // a window hears of the desktop's palette once it is on screen
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const bool dark : {true, false, true}) {
        const QPalette colors = appearance(dark);
        QApplication::setPalette(colors);
        QCoreApplication::processEvents(); // the windows hear of it through posted events
        EXPECT_EQ(label->palette().color(QPalette::WindowText), Theme::secondary(colors)) << dark;
        // The divider is the text colour at 0.12 over the window.
        const QColor line = pixel(window, divider->geometry().center());
        const QColor background = colors.color(QPalette::Window), text = colors.color(QPalette::WindowText);
        EXPECT_NEAR(line.red(), background.red() + (text.red() - background.red()) * Divider::opacity, 1.5) << dark;
    }
}

} // namespace
