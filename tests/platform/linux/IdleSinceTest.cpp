// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IdleSince.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

TEST(IdleSince, LastInputFromTheNotifications)
{
    using Step = std::function<void(IdleSince&)>;
    const auto armed = [](qint64 timeout) { return Step([=](IdleSince& idle) { idle.armed(timeout); }); };
    const auto idled = [](qint64 at, std::optional<qint64> idleMs = std::nullopt) {
        return Step([=](IdleSince& idle) { idle.idled(at, idleMs); });
    };
    const Step resumed = [](IdleSince& idle) { idle.resumed(); };
    struct Row
    {
        const char* label;
        std::vector<Step> steps;
        qint64 nowMs;
        double expected;
    };
    const Row rows[] = {
        {"nothing before the first notice", {armed(120'000)}, 50'000, 0},
        {"idled a timeout after the last input", {armed(120'000), idled(200'000)}, 200'000, 120},
        {"and counting on from there", {armed(120'000), idled(200'000)}, 260'500, 180.5},
        {"or as long as the notification says", {armed(120'000), idled(200'000, 150'000)}, 210'000, 160},
        {"input again", {armed(120'000), idled(200'000), resumed}, 260'000, 0},
        {"a new limit starts afresh", {armed(120'000), idled(200'000), armed(300'000)}, 260'000, 0},
        {"and idles at its own timeout", {armed(120'000), armed(300'000), idled(600'000)}, 600'000, 300},
        {"a clock read before the notice never gives less than the timeout",
         {armed(120'000), idled(200'000)},
         199'000,
         120},
        {"a timeout beyond the protocols' 32 bits counts as their longest",
         {armed(INT64_MAX), idled(0)},
         5,
         (double(UINT32_MAX) + 5) / 1000},
    };
    for (const Row& row : rows) {
        IdleSince idle;
        for (const Step& step : row.steps)
            step(idle);
        EXPECT_DOUBLE_EQ(idle.secondsSinceLastInput(row.nowMs), row.expected) << row.label;
    }
}
