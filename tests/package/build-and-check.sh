#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package as the README says, from a copy of the source tree, checks it as a distribution
# would, then installs it as a user would (with its dependencies) and runs the installed program. Without root it
# unpacks the package instead.
# Usage: build-and-check.sh SOURCE_FOLDER VERSION
set -euo pipefail
source=$1 version=$2

# Always the same folder, whichever checkout is tested: the compiler cache then finds the objects of earlier runs
# (the paths are part of the compiler's flags). One run at a time uses it.
work=${TMPDIR:-/tmp}/horavane-package
exec 9> "$work.lock"
flock 9
rm -rf "$work"
mkdir -p "$work/horavane"
# What a clean checkout holds: the files git tracks or would add, without the build folders.
git -C "$source" ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [[ -e $source/$file ]] && printf '%s\0' "$file"; done |
    tar -C "$source" --null -T - -cf - | tar -C "$work/horavane" -xf -
# Objects of earlier runs come from ccache where it is installed. Its folder and settings are named because
# debhelper gives the build a home folder of its own.
if command -v ccache > /dev/null; then
    export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
    settings=${XDG_CONFIG_HOME:-$HOME/.config}/ccache/ccache.conf
    [[ -n ${CCACHE_CONFIGPATH:-} || ! -e $settings ]] || export CCACHE_CONFIGPATH=$settings
    export CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)}
fi
(cd "$work/horavane" && dpkg-buildpackage -us -uc -b -j"$(nproc)") > "$work/build.log" 2>&1 ||
    { tail -50 "$work/build.log"; exit 1; }
package=$work/horavane_${version}_$(dpkg --print-architecture).deb
echo "package: $(basename "$package"), $(du -k "$package" | cut -f1) KiB;" \
    "installed size $(dpkg-deb -f "$package" Installed-Size) KiB"
dpkg-deb -f "$package" Depends Recommends Suggests

# Checks on what was built. Every one runs; the test fails when any complained.
root=$work/root
dpkg-deb -x "$package" "$root"
failed=0
check() {
    echo "== $*"
    "$@" || { echo "FAILED: $*"; failed=1; }
}
quiet() { # fails when the command fails or prints anything
    local output
    output=$("$@" 2>&1) || { echo "$output"; return 1; }
    [[ -z $output ]] || { echo "$output"; return 1; }
}
contains() { [[ -e $root/$1 ]] || { echo "missing: /$1"; return 1; }; }
manual_warnings() { MANWIDTH=80 man --warnings -l "$1" 2>&1 > /dev/null; }
licences() { # the summary, not the list of every file, when files lack a licence
    local output
    output=$(reuse --root "$1" lint) || { echo "$output" | tail -15; return 1; }
}
for file in usr/bin/horavane usr/share/applications/app.corvani.Horavane.desktop \
    usr/share/metainfo/app.corvani.Horavane.metainfo.xml usr/share/man/man1/horavane.1.gz \
    usr/share/icons/hicolor/256x256/apps/app.corvani.Horavane.png \
    usr/share/gnome-shell/extensions/horavane@corvani.app/extension.js usr/share/doc/horavane/copyright \
    "usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/horavane/horavane-desktop.so"; do
    check contains "$file"
done
check lintian --fail-on error,warning --tag-display-limit 0 "$work"/horavane_*.changes
check appstreamcli validate-tree --pedantic --no-net "$root"
check quiet desktop-file-validate "$root/usr/share/applications/app.corvani.Horavane.desktop"
check quiet manual_warnings "$root/usr/share/man/man1/horavane.1.gz"
check test "$("$root/usr/bin/horavane" --version)" = "Horavane $version"
check licences "$source"
[[ $failed -eq 0 ]] || exit 1

if [[ $(id -u) -eq 0 ]] && command -v apt-get > /dev/null; then
    was_installed=$(dpkg-query -W -f='${Status}' horavane 2>/dev/null | grep -c "install ok installed" || true)
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$package" > "$work/apt.log" 2>&1 ||
        { cat "$work/apt.log"; exit 1; }
    /usr/bin/horavane --version
    # The installed program finds its desktop module: a preview renders without any display.
    picture=$work/preview.png
    env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$work" /usr/bin/horavane --preview --png "$picture" > /dev/null
    [[ -s $picture ]]
    [[ $was_installed -eq 1 ]] || apt-get remove -y -qq horavane > /dev/null 2>&1
fi
rm -rf "$work"
