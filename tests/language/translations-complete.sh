#!/usr/bin/env bash
# Checks that the translation files list every text of the sources and that each shipped language translates
# all of them (English: every plural form). Usage: translations-complete.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$source"/translations/horavane_*.ts; do
    name=$(basename "$ts")
    cp "$ts" "$work/$name"
    options=(-locations none -no-obsolete -silent)
    [[ $name == horavane_en.ts ]] && options+=(-pluralonly)
    (cd "$source" && "$lupdate" "${options[@]}" src -ts "$work/$name" >/dev/null 2>&1)
    if ! cmp -s "$ts" "$work/$name"; then
        echo "$name does not list the sources' texts as they are; build the update_translations target:"
        diff -u "$ts" "$work/$name" | head -40
        status=1
    fi
    unfinished=$(grep -c 'type="unfinished"' "$work/$name" || true)
    if [[ $unfinished -ne 0 ]]; then
        echo "$name: $unfinished unfinished texts"
        status=1
    fi
done
exit $status
