#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Draws the pictures software centres show (data/screenshots/, listed in the AppStream metadata) with the
# preview mode of a built program: the history window and the popover on sample data, light and dark.
# Usage: scripts/screenshots.sh [BUILD_FOLDER]   (build/test unless given)
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/test}/src/app/horavane
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for appearance in light dark; do
    for view in history popover; do
        option=()
        [[ $view == history ]] && option=(--window)
        # No display: the offscreen platform, with private folders so the user's preferences play no part.
        env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$scratch" XDG_DATA_HOME="$scratch" \
            XDG_CACHE_HOME="$scratch" "$program" --preview "${option[@]}" "--$appearance" \
            --png "data/screenshots/$view-$appearance.png" > /dev/null
    done
done
