// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DominantHue.h"

#include "Palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int side = 24;
constexpr int gridSide = 4 * side;
constexpr int binCount = 12;
constexpr double binWidth = 30;
constexpr double minimumAlpha = 0.5;
constexpr double minimumBrightness = 0.3;
constexpr double minimumSaturation = 0.3;
constexpr double minimumShare = 0.04;

// The image on a 96 × 96 grid by nearest neighbour, premultiplied. 96 is a multiple of 16, 24 and 32, so the
// common icon sizes land on the grid exactly; larger images are thinned, which bounds the cost whatever their size.
QImage onGrid(const QImage& image)
{
    const QImage source = image.depth() == 32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    QImage grid(gridSide, gridSide, source.format());
    if (grid.isNull())
        return grid;
    std::array<int, gridSide> columns;
    for (int x = 0; x < gridSide; ++x)
        columns[x] = x * source.width() / gridSide;
    for (int y = 0; y < gridSide; ++y) {
        const auto* from = reinterpret_cast<const quint32*>(source.constScanLine(y * source.height() / gridSide));
        auto* to = reinterpret_cast<quint32*>(grid.scanLine(y));
        for (int x = 0; x < gridSide; ++x)
            to[x] = from[columns[x]];
    }
    return grid.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The image drawn into a 24 × 24 premultiplied RGBA bitmap (96 bytes a row) that it covers entirely, each
// pixel the average of the 4 × 4 grid cells it covers.
QImage sample(const QImage& image)
{
    if (image.size() == QSize(side, side))
        return image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    const QImage grid = onGrid(image);
    QImage bitmap(side, side, QImage::Format_RGBA8888_Premultiplied);
    if (grid.isNull() || bitmap.isNull())
        return {};
    constexpr int cell = gridSide / side;
    for (int y = 0; y < side; ++y) {
        uchar* out = bitmap.scanLine(y);
        for (int x = 0; x < side; ++x, out += 4) {
            std::array<quint32, 4> sums{}; // a, r, g, b
            for (int dy = 0; dy < cell; ++dy) {
                const auto* row = reinterpret_cast<const quint32*>(grid.constScanLine(y * cell + dy)) + x * cell;
                for (int dx = 0; dx < cell; ++dx) {
                    const quint32 argb = row[dx];
                    sums[0] += argb >> 24;
                    sums[1] += (argb >> 16) & 0xFF;
                    sums[2] += (argb >> 8) & 0xFF;
                    sums[3] += argb & 0xFF;
                }
            }
            constexpr quint32 count = cell * cell;
            out[0] = uchar((sums[1] + count / 2) / count);
            out[1] = uchar((sums[2] + count / 2) / count);
            out[2] = uchar((sums[3] + count / 2) / count);
            out[3] = uchar((sums[0] + count / 2) / count);
        }
    }
    return bitmap;
}

} // namespace

std::optional<double> dominantHue(const QImage& image)
{
    if (image.isNull())
        return std::nullopt;
    const QImage bitmap = sample(image);
    if (bitmap.isNull() || bitmap.size() != QSize(side, side))
        return std::nullopt;

    // First pass: each coloured pixel's hue and weight, and the weight of each band. The trigonometry is
    // only needed for the winning band, so it waits for the second pass.
    struct Colored
    {
        double hue;
        double weight;
        int bin;
    };
    std::array<Colored, side * side> colored;
    int coloredCount = 0;
    std::array<double, binCount> weights{};
    int counted = 0;
    for (int y = 0; y < side; ++y) {
        const uchar* pixel = bitmap.constScanLine(y);
        for (int x = 0; x < side; ++x, pixel += 4) {
            const double a = pixel[3] / 255.0;
            if (!(a > minimumAlpha))
                continue;
            ++counted;
            const double r = pixel[0] / 255.0 / a;
            const double g = pixel[1] / 255.0 / a;
            const double b = pixel[2] / 255.0 / a;
            const double max = std::max({r, g, b});
            const double min = std::min({r, g, b});
            if (max == 0 || !(max > minimumBrightness))
                continue; // too dark
            const double delta = max - min;
            const double saturation = delta / max;
            if (!(saturation > minimumSaturation))
                continue; // too grey
            const double hue = Palette::hueDegrees(r, g, b);
            const int index = std::min(int(hue / binWidth), binCount - 1);
            const double weight = max * saturation;
            weights[index] += weight;
            colored[coloredCount++] = {hue, weight, index};
        }
    }

    // On equal weights the lower band wins.
    int winner = 0;
    for (int i = 1; i < binCount; ++i) {
        if (weights[i] > weights[winner])
            winner = i;
    }
    if (counted == 0 || !(weights[winner] / counted > minimumShare))
        return std::nullopt;

    double cosine = 0;
    double sine = 0;
    for (int i = 0; i < coloredCount; ++i) {
        if (colored[i].bin != winner)
            continue;
        const double radians = colored[i].hue * std::numbers::pi / 180;
        cosine += colored[i].weight * std::cos(radians);
        sine += colored[i].weight * std::sin(radians);
    }
    double degrees = std::atan2(sine, cosine) * 180 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360;
    return degrees >= 360 ? 0.0 : degrees; // a tiny negative angle rounds up to 360
}
