#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every view renders to a PNG on sample data without any display, as screenshots are made, at its own size.
set -euo pipefail
horavane=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export XDG_CONFIG_HOME="$out/config" XDG_DATA_HOME="$out/data" XDG_CACHE_HOME="$out/cache"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
# The user's own preferences, which no preview may change (it would set the colours and the tab).
mkdir -p "$out/config/Horavane"
printf '[General]\nchartColors=4\nsettingsTab=general\n' > "$out/config/Horavane/Horavane.conf"
cp "$out/config/Horavane/Horavane.conf" "$out/preferences-before"
width_of() { python3 -c 'import struct, sys; print(struct.unpack(">I", open(sys.argv[1], "rb").read(24)[16:20])[0])' "$1"; }
size_of() { python3 -c 'import struct, sys; print("%dx%d" % struct.unpack(">II", open(sys.argv[1], "rb").read(24)[16:24]))' "$1"; }
render() { # name, then the preview's options
    local name=$1
    shift
    printed=$("$horavane" --preview "$@" --png "$out/$name.png" --seconds 20 2>/dev/null)
    [[ $printed =~ ^window\ [0-9]+$ ]] || { echo "$name: printed \"$printed\""; exit 1; }
    size=$(stat -c %s "$out/$name.png")
    [[ $size -gt 2000 ]] || { echo "$name: picture of $size bytes"; exit 1; }
    echo "$name: $size bytes, $(size_of "$out/$name.png")"
}
render popover
render icons --icons
render settings --settings
render welcome --welcome
render window --window
render window-month-hover-dark --window --period month --hover --dark
# The history window keeps its own size; the popover is 300 wide plus its shadow on both sides (the offscreen
# screen composites); settings and welcome are as wide as their content.
[[ $(size_of "$out/window.png") == 680x600 ]]
[[ $(size_of "$out/window-month-hover-dark.png") == 680x600 ]]
[[ $(width_of "$out/popover.png") == 332 ]]
[[ $(width_of "$out/settings.png") == 480 ]]
[[ $(width_of "$out/welcome.png") == 500 ]]
# The same views in German and French, as the desktop's language asks: each differs from the English one.
for language in de_DE fr_FR; do
    for view in popover settings welcome window; do
        option=(); [[ $view != popover ]] && option=(--$view)
        LANGUAGE=${language%_*} LC_ALL=$language.UTF-8 render "$view-$language" "${option[@]}"
        ! cmp -s "$out/$view.png" "$out/$view-$language.png" || { echo "$view-$language is the English picture"; exit 1; }
    done
done
# A picture with the pointer over the ring is taken once everything has settled, so it is the same every time.
render hover-1 --pointer 220,128
render hover-2 --pointer 220,128
cmp -s "$out/hover-1.png" "$out/hover-2.png" || { echo "the hover pictures differ: one caught an animation"; exit 1; }
! cmp -s "$out/hover-1.png" "$out/popover.png" || { echo "the pointer changed nothing"; exit 1; }
# Nothing of the user's was touched: no history, the same preferences, and the throw-away files are gone.
cmp "$out/preferences-before" "$out/config/Horavane/Horavane.conf"
[[ ! -e "$out/data/Horavane/usage.sqlite" ]]
! ls "${TMPDIR:-/tmp}"/horavane-preview-*.sqlite "${TMPDIR:-/tmp}"/horavane-preview-*.conf 2>/dev/null | grep -q .
