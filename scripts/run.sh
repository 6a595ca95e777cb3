#!/usr/bin/env bash
# Builds Horavane and starts it (in an X11 desktop session); arguments go to horavane.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DHORAVANE_TESTS=OFF -DHORAVANE_BENCHMARKS=OFF
cmake --build build/release
exec build/release/src/app/horavane "$@"
