// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Palette.h"

#include <algorithm>
#include <cmath>

namespace {

struct Row
{
    quint32 light;
    quint32 dark;
};

constexpr std::array<Row, Palette::size> table{{
    {0x257DE0, 0x338CED},
    {0xF47230, 0xE76624},
    {0x00B894, 0x00A888},
    {0xF2A600, 0xD28E05},
    {0xEE7FAC, 0xE24D8B},
    {0x008A17, 0x0AAC23},
    {0x6A4CE2, 0x9887EF},
    {0xEC4647, 0xEB6263},
}};

constexpr double otherOpacity = 0.16;
constexpr double lastNeighbourPenalty = 60;
constexpr double earlierNeighbourPenalty = 15;

QColor rgb(quint32 value)
{
    return QColor::fromRgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

// The HSB hue of an opaque colour in degrees, from its 8-bit components as the usual conversion does it.
double hueOf(quint32 value)
{
    return Palette::hueDegrees(((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0);
}

double penalty(int candidate, const QList<int>& assigned)
{
    double total = 0;
    for (qsizetype i = 0; i < assigned.size(); ++i) {
        if (!Palette::isSafePair(candidate, assigned[i]))
            total += i == assigned.size() - 1 ? lastNeighbourPenalty : earlierNeighbourPenalty;
    }
    return total;
}

} // namespace

QColor AdaptiveColor::resolved(const QPalette& palette) const
{
    return resolved(Palette::appearanceOf(palette));
}

namespace Palette {

Appearance appearanceOf(const QPalette& palette)
{
    const int window = palette.color(QPalette::Window).lightness();
    const int text = palette.color(QPalette::WindowText).lightness();
    return window < text ? Appearance::dark : Appearance::light;
}

AdaptiveColor adaptive(quint32 light, quint32 dark)
{
    return {rgb(light), rgb(dark)};
}

const std::array<AdaptiveColor, size>& slices()
{
    static const std::array<AdaptiveColor, size> colors = [] {
        std::array<AdaptiveColor, size> made;
        for (int i = 0; i < size; ++i)
            made[i] = adaptive(table[i].light, table[i].dark);
        return made;
    }();
    return colors;
}

const std::array<double, size>& hues()
{
    static const std::array<double, size> computed = [] {
        std::array<double, size> made{};
        for (int i = 0; i < size; ++i)
            made[i] = hueOf(table[i].light);
        return made;
    }();
    return computed;
}

const QList<std::pair<int, int>>& safePairs()
{
    static const QList<std::pair<int, int>> pairs{{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 7},
                                                  {1, 2}, {1, 6}, {2, 3}, {2, 6}, {2, 7}, {3, 4},
                                                  {3, 6}, {4, 5}, {4, 6}, {5, 6}, {6, 7}};
    return pairs;
}

bool isSafePair(int a, int b)
{
    // A bit per index pair, built once, so the greedy pass does no searching.
    static const std::array<quint8, size> safe = [] {
        std::array<quint8, size> bits{};
        for (const auto& [x, y] : safePairs()) {
            bits[x] |= quint8(1u << y);
            bits[y] |= quint8(1u << x);
        }
        return bits;
    }();
    if (a < 0 || b < 0 || a >= size || b >= size)
        return false;
    return (safe[a] >> b) & 1u;
}

AdaptiveColor other()
{
    QColor light(Qt::black);
    light.setAlphaF(otherOpacity);
    QColor dark(Qt::white);
    dark.setAlphaF(otherOpacity);
    return {light, dark};
}

QColor other(const QPalette& palette)
{
    QColor text = palette.color(QPalette::WindowText);
    text.setAlphaF(text.alphaF() * otherOpacity);
    return text;
}

int effectiveColorCount(qint64 stored)
{
    if (stored == 0)
        return size;
    return int(std::clamp<qint64>(stored, 3, size));
}

double hueDistance(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

QList<int> assignIndices(const QList<std::optional<double>>& itemHues)
{
    QList<int> assigned;
    const qsizetype count = std::min<qsizetype>(itemHues.size(), size);
    for (qsizetype i = 0; i < count; ++i) {
        int best = -1;
        double bestCost = 0;
        for (int candidate = 0; candidate < size; ++candidate) {
            if (assigned.contains(candidate))
                continue;
            const double distance = itemHues[i] ? hueDistance(*itemHues[i], hues()[candidate]) : 0.0;
            const double cost = distance + penalty(candidate, assigned);
            // Candidates come in ascending order, so an equal cost never displaces a lower index.
            if (best < 0 || cost < bestCost) {
                best = candidate;
                bestCost = cost;
            }
        }
        if (best < 0)
            break;
        assigned.append(best);
    }
    return assigned;
}

} // namespace Palette
