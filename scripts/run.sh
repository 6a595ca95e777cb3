#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Horavane and starts it (in an X11 desktop session); arguments go to horavane.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DHORAVANE_TESTS=OFF -DHORAVANE_BENCHMARKS=OFF
cmake --build build/release
exec build/release/src/app/horavane "$@"
