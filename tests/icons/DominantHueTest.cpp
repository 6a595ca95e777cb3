// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DominantHue.h"

#include <QColor>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A 24 × 24 image (the sampling size, so no scaling blurs the rows' exact pixel counts).
QImage canvas(const QColor& fill = Qt::transparent)
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

// The first `count` pixels, row by row, in the colour.
QImage withPixels(QImage image, int count, const QColor& color)
{
    for (int i = 0; i < count; ++i)
        image.setPixelColor(i % 24, i / 24, color);
    return image;
}

QColor hue(double degrees, double saturation = 1, double value = 1, double alpha = 1)
{
    return QColor::fromHsvF(float(degrees / 360), float(saturation), float(value), float(alpha));
}

struct HueCase
{
    const char* name;
    std::function<QImage()> image;
    std::optional<double> expected; // degrees, within a quantisation tolerance
};

const HueCase hueCases[] = {
    {"nullImage", [] { return QImage(); }, std::nullopt},
    {"fullyTransparent", [] { return canvas(); }, std::nullopt},
    {"fullyGrey", [] { return canvas(QColor(128, 128, 128)); }, std::nullopt},
    {"white", [] { return canvas(Qt::white); }, std::nullopt},
    {"tooDark", [] { return canvas(QColor(70, 0, 0)); }, std::nullopt},
    {"tooPale", [] { return canvas(QColor(255, 190, 190)); }, std::nullopt}, // saturation 0.25
    {"red", [] { return canvas(Qt::red); }, 0.0},
    {"green", [] { return canvas(QColor(0, 255, 0)); }, 120.0},
    {"blue", [] { return canvas(Qt::blue); }, 240.0},
    {"paletteOrange", [] { return canvas(QColor(0xF4, 0x72, 0x30)); }, 20.20},
    {"justBelow360LandsInTheLastBand", [] { return canvas(QColor(255, 0, 3)); }, 359.29},
    // Equal weights in bin 0 (red) and bin 8 (blue): the lower bin wins.
    {"halfRedHalfBlue", [] { return withPixels(canvas(Qt::blue), 288, Qt::red); }, 0.0},
    {"halfBlueHalfRed", [] { return withPixels(canvas(Qt::red), 288, Qt::blue); }, 0.0},
    {"strongerBandWins", [] { return withPixels(canvas(Qt::blue), 287, Qt::red); }, 240.0},
    // The mean of one band only: 10° and 20° average to 15°, while a 200° minority is ignored.
    {"circularMeanOfTheBand", [] { return withPixels(withPixels(canvas(hue(20)), 338, hue(10)), 100, hue(200)); },
     15.0},
    {"bandAcrossZeroIsNotMerged", [] { return withPixels(canvas(hue(350)), 300, hue(5)); }, 5.0},
    // 24 of 576 opaque red pixels: 24 / 576 = 0.0417 > 0.04; 23 pixels: 0.0399, too little.
    {"shareJustAbove", [] { return withPixels(canvas(Qt::gray), 24, Qt::red); }, 0.0},
    {"shareJustBelow", [] { return withPixels(canvas(Qt::gray), 23, Qt::red); }, std::nullopt},
    // Pixels at alpha ≤ 0.5 are not counted at all, so three red pixels on a faint ground are enough.
    {"faintPixelsDoNotCount", [] { return withPixels(canvas(QColor(0, 0, 255, 127)), 3, Qt::red); }, 0.0},
    {"translucentColourKeepsItsHue", [] { return canvas(QColor(0, 0, 255, 140)); }, 240.0},
    {"largeGreenImage",
     [] {
         QImage image(300, 200, QImage::Format_RGB32);
         image.fill(QColor(0, 200, 0));
         return image;
     },
     120.0},
};

class HueTest : public ::testing::TestWithParam<HueCase>
{
};

TEST_P(HueTest, Dominant)
{
    const auto hue = dominantHue(GetParam().image());
    ASSERT_EQ(hue.has_value(), GetParam().expected.has_value()) << (hue ? *hue : -1);
    if (hue) {
        EXPECT_GE(*hue, 0);
        EXPECT_LT(*hue, 360);
        const double d = std::fmod(std::abs(*hue - *GetParam().expected), 360.0);
        EXPECT_LT(std::min(d, 360 - d), 1.0) << *hue;
    }
}

INSTANTIATE_TEST_SUITE_P(Images, HueTest, ::testing::ValuesIn(hueCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
