#!/usr/bin/env bash
# Every view renders to a PNG on sample data without any display, as screenshots are made.
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
for view in "" --window --icons --settings --welcome "--window --period month --hover --dark"; do
    name=$(echo "popover $view" | tr -cd 'a-z ' | tr ' ' '-')
    printed=$("$horavane" --preview $view --png "$out/$name.png" --seconds 20 2>/dev/null)
    [[ $printed =~ ^window\ [0-9]+$ ]] || { echo "$name: printed \"$printed\""; exit 1; }
    size=$(stat -c %s "$out/$name.png")
    [[ $size -gt 2000 ]] || { echo "$name: picture of $size bytes"; exit 1; }
    echo "$name: $size bytes"
done
# Nothing of the user's was touched: no history, the same preferences, and the throw-away files are gone.
cmp "$out/preferences-before" "$out/config/Horavane/Horavane.conf"
[[ ! -e "$out/data/Horavane/usage.sqlite" ]]
! ls "${TMPDIR:-/tmp}"/horavane-preview-*.sqlite "${TMPDIR:-/tmp}"/horavane-preview-*.conf 2>/dev/null | grep -q .
