#!/bin/sh

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A short, repeatable run of one fuzz target among the tests: fixed seed, a fixed number of inputs grown
# from the seed corpus, at most 256 MB. Hangs are the campaigns' business (scripts/fuzz.sh): on a busy
# machine a wall-clock limit of one second would fail this test for nothing.
# Usage: short-run.sh TARGET SEEDS SCRATCH RUNS
set -eu
target=$1 seeds=$2 scratch=$3 runs=$4
rm -rf "$scratch"
# AddressSanitizer keeps freed memory in quarantine (256 MB by default), which would count against the
# memory limit; a small one still catches uses after free and leaves the limit to the target's own use.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=16"
mkdir -p "$scratch/corpus"
exec "$target" -seed=1 -runs="$runs" -max_total_time=60 -timeout=30 -rss_limit_mb=256 -print_final_stats=1 \
    -artifact_prefix="$scratch/" "$scratch/corpus" "$seeds"
