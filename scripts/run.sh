#!/usr/bin/env bash
# Builds Horavane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DHORAVANE_TESTS=OFF -DHORAVANE_BENCHMARKS=OFF
cmake --build build/release
if [[ -x build/release/src/app/horavane ]]; then
    exec build/release/src/app/horavane "$@"
fi
echo "Built. (The recorder starts from here once the desktop backend is in place.)"
