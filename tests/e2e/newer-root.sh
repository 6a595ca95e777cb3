#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds DIR, a root of a newer Debian RELEASE (trixie or sid) with its KWin and GNOME Shell, for running those
# compositors beside a Horavane built here (with-wayland-session.sh --root DIR). Built once: a complete DIR is
# reused at once, and a second caller waits for the first under a lock. Needs root and the Debian mirror.
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 trixie|sid DIR" >&2
    exit 2
fi
release=$1
root=$(realpath -m "$2")
mkdir -p "$(dirname "$root")"
exec 9> "$root.lock"
flock 9
[[ -d $root ]] && exit 0

rm -rf "$root.partial"
packages=(kwin-wayland plasma-integration gnome-shell dbus-daemon dbus-bin dbus-system-bus-common libglib2.0-bin
    at-spi2-core libgl1-mesa-dri libegl-mesa0 fonts-dejavu-core)
# This machine's Debian mirror (the one of its release, not of its updates); it may be a snapshot, where a
# release file past its date still counts.
mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' | awk '$2 !~ /-/ { print $1; exit }')
[[ -n $mirror ]] || { echo "$0: no Debian mirror in this machine's apt sources" >&2; exit 1; }
mmdebstrap --variant=minbase --mode=root --aptopt='APT::Install-Recommends "false"' \
    --aptopt='Acquire::Check-Valid-Until "false"' --include="$(IFS=,; echo "${packages[*]}")" \
    "$release" "$root.partial" "$mirror"
# A copy of KWin without the file capability the packaged binary carries, which a namespace refuses; KWin reads
# its own name, so the copy takes the original's place.
cp "$root.partial/usr/bin/kwin_wayland" "$root.partial/usr/bin/kwin_wayland.plain"
mv "$root.partial/usr/bin/kwin_wayland.plain" "$root.partial/usr/bin/kwin_wayland"
mv "$root.partial" "$root"
