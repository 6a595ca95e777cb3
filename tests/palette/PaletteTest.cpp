// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Palette.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(Palette, HuesFollowFromTheLightValues)
{
    const std::array<double, 8> expected{211.76, 20.20, 168.26, 41.16, 335.68, 130.00, 252.00, 359.64};
    for (int i = 0; i < Palette::size; ++i)
        EXPECT_NEAR(Palette::hues()[i], expected[i], 0.005) << "index " << i;
}

TEST(Palette, ColoursDependOnTheAppearance)
{
    const AdaptiveColor violet = Palette::slices()[6];
    EXPECT_EQ(violet.resolved(Appearance::light), QColor(0x6A, 0x4C, 0xE2));
    EXPECT_EQ(violet.resolved(Appearance::dark), QColor(0x98, 0x87, 0xEF));
    EXPECT_EQ(Palette::slices()[0].light, QColor(0x25, 0x7D, 0xE0));
    EXPECT_EQ(Palette::slices()[7].dark, QColor(0xEB, 0x62, 0x63));

    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::WindowText, Qt::white);
    QPalette light;
    light.setColor(QPalette::Window, QColor(0xEF, 0xEF, 0xEF));
    light.setColor(QPalette::WindowText, Qt::black);
    EXPECT_EQ(Palette::appearanceOf(dark), Appearance::dark);
    EXPECT_EQ(Palette::appearanceOf(light), Appearance::light);
    EXPECT_EQ(violet.resolved(dark), QColor(0x98, 0x87, 0xEF));
    EXPECT_EQ(violet.resolved(light), QColor(0x6A, 0x4C, 0xE2));

    EXPECT_EQ(Palette::other(dark).rgb(), QColor(Qt::white).rgb());
    EXPECT_NEAR(Palette::other(dark).alphaF(), 0.16, 0.005);
    EXPECT_NEAR(Palette::other().light.alphaF(), 0.16, 0.005);
    EXPECT_EQ(Palette::other().dark.rgb(), QColor(Qt::white).rgb());
}

TEST(Palette, SafePairsAreSeventeenAndSymmetric)
{
    EXPECT_EQ(Palette::safePairs().size(), 17);
    int safe = 0;
    for (int a = 0; a < Palette::size; ++a) {
        EXPECT_FALSE(Palette::isSafePair(a, a));
        for (int b = 0; b < Palette::size; ++b) {
            EXPECT_EQ(Palette::isSafePair(a, b), Palette::isSafePair(b, a));
            safe += Palette::isSafePair(a, b) ? 1 : 0;
        }
    }
    EXPECT_EQ(safe, 34);
    EXPECT_TRUE(Palette::isSafePair(6, 7));
    EXPECT_FALSE(Palette::isSafePair(0, 6));
    EXPECT_FALSE(Palette::isSafePair(-1, 0));
    EXPECT_FALSE(Palette::isSafePair(0, 8));
}

TEST(Palette, EffectiveColourCount)
{
    const std::pair<qint64, int> cases[] = {{0, 8}, {1, 3}, {2, 3}, {3, 3}, {5, 5}, {8, 8}, {9, 8}, {12, 8}, {-4, 3}};
    for (const auto& [stored, effective] : cases)
        EXPECT_EQ(Palette::effectiveColorCount(stored), effective) << "stored " << stored;
}

TEST(Palette, HueDistanceWraps)
{
    EXPECT_NEAR(Palette::hueDistance(359, 20.20), 21.2, 1e-9);
    EXPECT_NEAR(Palette::hueDistance(20.20, 359), 21.2, 1e-9);
    EXPECT_NEAR(Palette::hueDistance(0, 180), 180, 1e-9);
    EXPECT_NEAR(Palette::hueDistance(90, 90), 0, 1e-9);
}

struct AssignmentCase
{
    const char* name;
    QList<std::optional<double>> hues;
    QList<int> expected;
};

const std::optional<double> none;

const AssignmentCase assignmentCases[] = {
    {"nothing", {}, {}},
    {"oneWithoutHue", {none}, {0}},
    // {0,1} is safe and 1 is the lowest index of cost 0.
    {"twoWithoutHue", {none, none}, {0, 1}},
    {"adjacencyAlone", {none, none, none, none, none, none, none, none}, {0, 1, 2, 3, 6, 4, 5, 7}},
    {"hueWrapsToTheLastIndex", {359.0}, {7}},
    // Orange after red: index 1 costs 60 (unsafe after 7), still less than any other.
    {"redThenOrange", {0.0, 20.2}, {7, 1}},
    // Three blues: violet, then teal beats blue because blue may not follow violet.
    {"threeBlues", {240.0, 240.0, 240.0}, {6, 2, 0}},
    {"mixed", {120.0, none, 0.0, 210.0}, {5, 0, 7, 2}},
    {"nineHuesGetEight", {none, none, none, none, none, none, none, none, none}, {0, 1, 2, 3, 6, 4, 5, 7}},
};

class AssignmentTest : public ::testing::TestWithParam<AssignmentCase>
{
};

TEST_P(AssignmentTest, Indices)
{
    EXPECT_EQ(Palette::assignIndices(GetParam().hues), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Palette, AssignmentTest, ::testing::ValuesIn(assignmentCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
