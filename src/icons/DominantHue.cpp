#include "DominantHue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int side = 24;
constexpr int binCount = 12;
constexpr double binWidth = 30;
constexpr double minimumAlpha = 0.5;
constexpr double minimumBrightness = 0.3;
constexpr double minimumSaturation = 0.3;
constexpr double minimumShare = 0.04;

struct Bin
{
    double weight = 0;
    double cosine = 0;
    double sine = 0;
};

// The image drawn into a 24 × 24 premultiplied RGBA bitmap (96 bytes a row) that it covers entirely.
QImage sample(const QImage& image)
{
    const QImage scaled = image.size() == QSize(side, side)
                              ? image
                              : image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return scaled.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
}

} // namespace

std::optional<double> dominantHue(const QImage& image)
{
    if (image.isNull())
        return std::nullopt;
    const QImage bitmap = sample(image);
    if (bitmap.isNull() || bitmap.size() != QSize(side, side))
        return std::nullopt;

    std::array<Bin, binCount> bins{};
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
            double sixths = 0;
            if (r == max)
                sixths = (g - b) / delta;
            else if (g == max)
                sixths = (b - r) / delta + 2;
            else
                sixths = (r - g) / delta + 4;
            double hue = sixths * 60;
            if (hue < 0)
                hue += 360;
            const int index = std::min(int(hue / binWidth), binCount - 1);
            const double weight = max * saturation;
            const double radians = hue * std::numbers::pi / 180;
            bins[index].weight += weight;
            bins[index].cosine += weight * std::cos(radians);
            bins[index].sine += weight * std::sin(radians);
        }
    }

    int winner = 0;
    for (int i = 1; i < binCount; ++i) {
        if (bins[i].weight > bins[winner].weight)
            winner = i;
    }
    if (counted == 0 || !(bins[winner].weight / counted > minimumShare))
        return std::nullopt;
    double degrees = std::atan2(bins[winner].sine, bins[winner].cosine) * 180 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360;
    return degrees >= 360 ? 0.0 : degrees; // a tiny negative angle rounds up to 360

}
