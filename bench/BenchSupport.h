// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

// One scratch folder per benchmark program, removed when it ends.
inline QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

// Reports per-run times, given in microseconds, as their median and 90th percentile in milliseconds,
// so that one slow run does not hide the ordinary one.
inline void reportMedianMilliseconds(benchmark::State& state, std::vector<double>& micros)
{
    std::sort(micros.begin(), micros.end());
    state.counters["median_ms"] = micros[micros.size() / 2] / 1000;
    state.counters["p90_ms"] = micros[micros.size() * 9 / 10] / 1000;
}
