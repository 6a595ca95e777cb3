#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Horavane with its tests and benchmarks and runs every test, then the unit and widget tests and the
# fuzz targets' short runs under the sanitizers; ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
# Line tables only: enough for backtraces, and a quarter less compile time than full debugging information.
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHORAVANE_WERROR=ON \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
cmake --build build/test
cd build/test
status=0
ctest --output-on-failure --timeout 300 -j2 || status=$?
cd ../..

# The unit and widget tests once more under AddressSanitizer and UBSan, built by clang together with the
# fuzz targets, whose short runs and found inputs run among them. The end-to-end and real-browser tests
# stay above.
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHORAVANE_WERROR=ON \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DHORAVANE_SANITIZE=ON -DHORAVANE_FUZZ=ON -DHORAVANE_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG"
cmake --build build/asan
ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/asan --output-on-failure --timeout 300 -j2 -LE "e2e|package|browsers" || status=$?
exit $status
