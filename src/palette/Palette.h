// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QList>
#include <QPalette>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

// Whether colours are shown on a light or a dark background.
enum class Appearance
{
    light,
    dark,
};

// A colour with one value for each appearance.
struct AdaptiveColor
{
    QColor light;
    QColor dark;

    QColor resolved(Appearance appearance) const { return appearance == Appearance::dark ? dark : light; }
    // The value for the appearance the palette stands for.
    QColor resolved(const QPalette& palette) const;

    bool operator==(const AdaptiveColor&) const = default;
};

// The ring's fixed slice colours and the rule that gives them to the largest items.
namespace Palette {

constexpr int size = 8;

// Dark when the palette's window colour is darker than its text, as a dark desktop theme has it.
Appearance appearanceOf(const QPalette& palette);

// An opaque sRGB colour from two 0xRRGGBB values.
AdaptiveColor adaptive(quint32 light, quint32 dark);

// The eight slice colours, index 0 to 7.
const std::array<AdaptiveColor, size>& slices();
// The hue in degrees of each slice colour's light value, computed from the table.
const std::array<double, size>& hues();
// The unordered pairs of indices, smaller first, that may sit next to each other without penalty.
const QList<std::pair<int, int>>& safePairs();
bool isSafePair(int a, int b);

// The remainder slice and the empty ring: the primary text colour at opacity 0.16.
AdaptiveColor other();
// The same, taken from the text colour of the palette in use.
QColor other(const QPalette& palette);

// The number of items that get a colour of their own from the stored "chartColors" value:
// 0 means 8, anything else is clamped to 3…8.
int effectiveColorCount(qint64 stored);

// The HSB hue in degrees (0 up to 360) of red, green and blue components from 0 to 1; 0 for a grey.
// Inline: the dominant-hue search calls it for every pixel of an icon.
inline double hueDegrees(double r, double g, double b)
{
    const double max = std::max({r, g, b});
    const double delta = max - std::min({r, g, b});
    if (delta == 0)
        return 0;
    double sixths = 0;
    if (r == max)
        sixths = (g - b) / delta;
    else if (g == max)
        sixths = (b - r) / delta + 2;
    else
        sixths = (r - g) / delta + 4;
    const double degrees = sixths * 60;
    return degrees < 0 ? degrees + 360 : degrees;
}
// Distance between two hues in degrees, the short way round the circle (0…180).
double hueDistance(double a, double b);

// Gives each item (largest first, by its icon's hue or none) a distinct palette index: the closest hue,
// with a penalty for an unsafe neighbour. At most `size` indices; one per hue otherwise.
QList<int> assignIndices(const QList<std::optional<double>>& hues);

} // namespace Palette
