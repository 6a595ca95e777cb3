#!/usr/bin/env bash
# Builds Horavane with its tests and benchmarks and runs every test; ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHORAVANE_WERROR=ON
cmake --build build/test
cd build/test
ctest --output-on-failure --timeout 300 -j2
