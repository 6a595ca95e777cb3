// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Theme.h"
#include "FocusRing.h"
#include "OutlinedStyle.h"
#include "RollingText.h"
#include "Sector.h"
#include "Spring.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(Theme, StylesGetSmallerDownTheTable)
{
    const TextStyle order[] = {TextStyle::largeTitle, TextStyle::title,   TextStyle::title2,      TextStyle::title3,
                               TextStyle::body,       TextStyle::callout, TextStyle::subheadline, TextStyle::footnote};
    for (size_t i = 1; i < std::size(order); ++i)
        EXPECT_LT(Theme::pixelSize(order[i]), Theme::pixelSize(order[i - 1])) << i;
    EXPECT_EQ(Theme::font(TextStyle::headline).weight(), QFont::DemiBold);
    EXPECT_EQ(Theme::font(TextStyle::body, QFont::Medium).weight(), QFont::Medium);
    EXPECT_EQ(Theme::font(TextStyle::callout).pixelSize(), 12);
}

TEST(Theme, SizesGrowWithTheDesktopFontAndNeverShrink)
{
    const QFont before = QApplication::font();
    for (const auto& [desktopPixels, body, footnote] : {std::tuple{9, 13, 10}, {13, 13, 10}, {20, 20, 15}}) {
        QFont desktop = before;
        desktop.setPixelSize(desktopPixels);
        QApplication::setFont(desktop);
        EXPECT_EQ(Theme::font(TextStyle::body).pixelSize(), body) << desktopPixels;
        EXPECT_EQ(Theme::font(TextStyle::footnote).pixelSize(), footnote) << desktopPixels;
    }
    QApplication::setFont(before);
}

// Fusion's light colours, a desktop whose accent is a light blue, and the dark colours of the previews.
QPalette appearance(const char* name)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    QPalette palette = fusion->standardPalette();
    if (name == std::string_view("light blue accent"))
        palette.setColor(QPalette::Highlight, QColor(0x8c, 0xc8, 0xf5));
    if (name == std::string_view("dark")) {
        const QColor window(0x1e, 0x1e, 0x1e), text(0xf0, 0xf0, 0xf0);
        palette.setColor(QPalette::Window, window);
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    }
    return palette;
}

// Solid `color` at `opacity` over `under`, as a translucent fill is seen.
QColor over(const QColor& under, QColor color, qreal opacity)
{
    return QColor::fromRgbF(under.redF() + (color.redF() - under.redF()) * opacity,
                            under.greenF() + (color.greenF() - under.greenF()) * opacity,
                            under.blueF() + (color.blueF() - under.blueF()) * opacity);
}

// The colour the application's style draws in the middle of the left edge of a control's `part` (by default the
// whole control): its outline.
QColor drawnOutline(QWidget& control, const QPalette& palette, QRect (*part)(const QWidget&) = nullptr)
{
    OutlinedStyle style(QStyleFactory::create("Fusion"));
    control.setStyle(&style);
    control.setPalette(palette);
    control.adjustSize();
    const QRect area = part ? part(control) : control.rect();
    const QColor color = control.grab().toImage().pixelColor(area.left(), area.center().y());
    control.setStyle(nullptr);
    return color;
}

QRect checkBoxIndicator(const QWidget& box)
{
    QStyleOptionButton option;
    option.initFrom(&box);
    return box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box);
}

TEST(Theme, TextAndFocusStandOutInLightAndDark)
{
    EXPECT_DOUBLE_EQ(Theme::contrast(Qt::black, Qt::white), 21);
    for (const char* name : {"light", "light blue accent", "dark"}) {
        const QPalette palette = appearance(name);
        const QColor window = palette.color(QPalette::Window);
        const QColor panel = over(window, Theme::primary(palette), 0.04); // a settings form's rows
        const QColor accentText = palette.color(QPalette::HighlightedText);
        const QColor prominent = Theme::readableBackground(palette.color(QPalette::Highlight), accentText);
        QCheckBox checkBox(QStringLiteral("Launch at login"));
        QComboBox comboBox;
        comboBox.addItem(QStringLiteral("5 minutes"));
        QPushButton button(QStringLiteral("Choose…"));
        // A button is seen by its fill where that stands out, else by its outline.
        const QColor buttonFill = palette.color(QPalette::Button);
        const QColor buttonEdge =
            Theme::contrast(buttonFill, window) >= Theme::outlineContrast ? buttonFill : drawnOutline(button, palette);
        const struct
        {
            const char* what;
            QColor a, b;
            qreal least;
        } pairs[] = {
            {"text", Theme::primary(palette), window, Theme::textContrast},
            {"secondary text", Theme::secondary(palette), window, Theme::textContrast},
            {"secondary text on a form", Theme::secondary(palette), panel, Theme::textContrast},
            {"the prominent button's title", accentText, prominent, Theme::textContrast},
            {"a picker's outline", Theme::outline(palette), window, Theme::outlineContrast},
            {"a check box's outline", drawnOutline(checkBox, palette, checkBoxIndicator), window,
             Theme::outlineContrast},
            {"a combo box's outline", drawnOutline(comboBox, palette), window, Theme::outlineContrast},
            {"a push button's edge", buttonEdge, window, Theme::outlineContrast},
            {"a focus ring", FocusRing::color(palette, window), window, Theme::outlineContrast},
            {"a focus ring on the prominent button", FocusRing::color(palette, prominent), prominent,
             Theme::outlineContrast},
        };
        for (const auto& pair : pairs)
            EXPECT_GE(Theme::contrast(pair.a, pair.b), pair.least) << name << ": " << pair.what;
    }
}

TEST(Theme, DigitsShareOneWidth)
{
    const QFont font = Theme::systemFont(20);
    EXPECT_EQ(Theme::monospacedDigitsSize(font, "11h").width(), Theme::monospacedDigitsSize(font, "88h").width());
}

TEST(Theme, SymbolsAreDrawnAtTheRatio)
{
    const QPixmap globe = Theme::symbol(Theme::Symbol::globe, 15, Qt::red, 2);
    EXPECT_EQ(globe.size(), QSize(30, 30));
    EXPECT_EQ(globe.devicePixelRatio(), 2);
    const QImage image = globe.toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(image.pixelColor(15, 1).rgb(), QColor(Qt::red).rgb()) << "the outline's top";
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
}

TEST(Spring, SettlesOnTheTargetWithASmallOvershoot)
{
    SpringValue value;
    value.snap(0);
    value.target = 1;
    double highest = 0;
    double elapsed = 0;
    while (!value.isSettled() && elapsed < 5) {
        value.advance(1.0 / 60, {0.25, 0.85});
        highest = std::max(highest, value.value);
        elapsed += 1.0 / 60;
    }
    EXPECT_EQ(value.value, 1);
    EXPECT_LT(elapsed, 0.8);
    EXPECT_GT(highest, 1.0) << "under-damped: a little past the target";
    EXPECT_LT(highest, 1.02);

    // Critical damping never passes the target.
    value.snap(0);
    value.target = 1;
    for (int i = 0; i < 60; ++i) {
        value.advance(1.0 / 60, {0.25, 1.0});
        EXPECT_LE(value.value, 1.0);
    }
}

TEST(RollingText, RollsOnlyWhenAskedAndStopsWhenSettled)
{
    RollingText text({0.25, 0.85});
    text.setText("5m", true);
    EXPECT_FALSE(text.isAnimating()) << "nothing to roll from";
    text.setText("1h 5m", true);
    EXPECT_TRUE(text.isAnimating());
    // Data arriving with the same text mid-roll finishes it at once.
    text.setText("1h 5m", false);
    EXPECT_FALSE(text.isAnimating());

    text.setText("1h 6m", true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !text.isAnimating(); }, 30000));
    EXPECT_EQ(text.text(), "1h 6m");
}

TEST(Sector, InsetLeavesAnEvenGapBetweenNeighbours)
{
    const QPointF c(100, 100);
    const Sector first{c, 70, 97, 0, 90, 1.5, 4};
    const Sector second{c, 70, 97, 90, 180, 1.5, 4};
    // At 3 o'clock both sectors stay 1.5 from the shared edge, at every radius.
    for (qreal radius : {71.0, 85.0, 96.0}) {
        EXPECT_FALSE(first.path().contains(QPointF(c.x() + radius, c.y() - 1.4))) << radius;
        EXPECT_FALSE(second.path().contains(QPointF(c.x() + radius, c.y() + 1.4))) << radius;
    }
    // Away from the corners the sectors reach right up to their inset edge.
    for (qreal radius : {78.0, 85.0, 90.0})
        EXPECT_TRUE(first.path().contains(QPointF(c.x() + radius, c.y() - 1.7))) << radius;
    // Rounded corners: the sharp corner point is outside, the middle of the band inside.
    EXPECT_FALSE(first.path().contains(QPointF(c.x() + 1.6, c.y() - 96.9)));
    EXPECT_TRUE(first.path().contains(QPointF(c.x() + 60, c.y() - 55)));
    EXPECT_TRUE((Sector{c, 70, 97, 0, 0.5, 1.5, 4}.path().isEmpty())) << "too thin to show";
}

} // namespace
