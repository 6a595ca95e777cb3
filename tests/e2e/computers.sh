#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Two computers share one synced backup folder, as two profiles with their own identities: each backs
# up into its own subfolder, and a report of all computers adds the other's copy and skips a third
# computer's half-synced one. A backup folder that went away is a failure with a message.
set -euo pipefail
horavane=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
sync="$root/Nextcloud"
mkdir -p "$sync"
unset DISPLAY WAYLAND_DISPLAY

profile() { # name id app seconds
    mkdir -p "$root/$1/config/Horavane" "$root/$1/data/Horavane"
    printf '[General]\nbackupFolder=%s\ncomputerId=%s\ncomputerName=%s\n' "$sync" "$2" "$1" \
        > "$root/$1/config/Horavane/Horavane.conf"
    python3 - "$root/$1/data/Horavane/usage.sqlite" "$3" "$4" <<'PY'
import datetime, sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("CREATE TABLE usage (day TEXT NOT NULL, kind INTEGER NOT NULL, id TEXT NOT NULL, name TEXT NOT NULL,"
           " seconds REAL NOT NULL, PRIMARY KEY (day, kind, id)) WITHOUT ROWID")
db.execute("INSERT INTO usage VALUES (?, 0, ?, ?, ?)",
           (datetime.date.today().isoformat(), sys.argv[2], sys.argv[2], float(sys.argv[3])))
db.commit()
PY
}
as() { # name command...
    local name=$1
    shift
    HOME="$root/$name" XDG_CONFIG_HOME="$root/$name/config" XDG_DATA_HOME="$root/$name/data" \
        XDG_CACHE_HOME="$root/$name/cache" "$horavane" "$@"
}

profile desk desk-id Editor 3600
profile laptop laptop-id Mail 1800
desk_copy=$(as desk --backup)
laptop_copy=$(as laptop --backup)
[[ $desk_copy == "$sync/Horavane/desk-id/Horavane "*.sqlite ]] || { echo "desk copy at $desk_copy"; exit 1; }
[[ $laptop_copy == "$sync/Horavane/laptop-id/Horavane "*.sqlite ]] || { echo "laptop copy at $laptop_copy"; exit 1; }
[[ $(stat -c %a "$desk_copy") == 600 ]] || { echo "copy mode $(stat -c %a "$desk_copy")"; exit 1; }

mkdir -p "$sync/Horavane/tablet-id"
head -c 2048 "$laptop_copy" > "$sync/Horavane/tablet-id/$(basename "$laptop_copy")" # still arriving

report=$(as desk --report today --all-computers 2> "$root/notes")
echo "$report"
grep -q ' Editor$' <<< "$report" && grep -q ' Mail$' <<< "$report" && grep -q '1h 30m  Total$' <<< "$report" \
    || { echo "the other computer's time is missing"; exit 1; }
grep -q 'Skipped the copy of tablet-id' "$root/notes" || { echo "no note: $(cat "$root/notes")"; exit 1; }
if as desk --report today | grep -q ' Mail$'; then echo "the other computer's time without asking"; exit 1; fi

rm -rf "$sync" # the sync folder is gone (not mounted)
if message=$(as desk --backup 2>&1); then
    echo "a backup into a missing folder succeeded: $message"
    exit 1
fi
[[ $message == *"isn't there"* ]] || { echo "message: $message"; exit 1; }
[[ ! -e "$sync" ]]
echo "two computers share one folder"
