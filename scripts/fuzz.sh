#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fuzzes one target for a while: scripts/fuzz.sh TARGET MINUTES [libFuzzer options...]
# Targets: site_host csv favicon_image favicon_database backup_restore update_feed desktop_entry x11_identity
# atspi_reply kwin_messages wayland_events (fuzz/CMakeLists.txt). Builds the target in build/asan (clang,
# AddressSanitizer, UBSan), grows its corpus in build/fuzz/TARGET/corpus from the seeds in fuzz/corpus/TARGET and
# leaves every input that crashed, hung (over 1 s) or took over 256 MB in build/fuzz/TARGET/. Such an input belongs
# in fuzz/regressions/TARGET under a name that says what it broke, with the fix.
# Runs at the lowest priority; set JOBS to run several processes at once. The one-second limit is wall-clock
# time: on a busy machine pass -timeout=30 and replay the slowest inputs of the corpus afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $# -ge 2 ]] || { sed -n '2,9p' "$0"; exit 2; }
target=$1 minutes=$2
shift 2
scripts/deps.sh test
if [[ ! -f build/asan/build.ninja ]]; then
    cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHORAVANE_WERROR=ON \
        -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DHORAVANE_SANITIZE=ON -DHORAVANE_FUZZ=ON -DHORAVANE_BENCHMARKS=OFF \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG"
fi
cmake --build build/asan --target "fuzz_$target"
work=build/fuzz/$target
mkdir -p "$work/corpus"
export ASAN_SYMBOLIZER_PATH=${ASAN_SYMBOLIZER_PATH:-/usr/lib/llvm-14/bin/llvm-symbolizer}
# A small quarantine, so that the memory limit measures the target and not the sanitizer's freed blocks. No
# allocation stacks either: unwound through libraries built without frame pointers (glib, libwayland) they differ
# every time, and ASan keeps each one, which stopped the KWin and Wayland runs at 256 MB with a heap of 25 MB.
# A found input replays with them.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=16:malloc_context_size=0"
parallel=()
[[ ${JOBS:-1} -gt 1 ]] && parallel=(-jobs="$JOBS" -workers="$JOBS")
exec nice -n 19 "build/asan/fuzz/fuzz_$target" -max_total_time=$((minutes * 60)) -timeout=1 -rss_limit_mb=256 \
    -print_final_stats=1 -artifact_prefix="$work/" "${parallel[@]}" "$@" "$work/corpus" "fuzz/corpus/$target"
