#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages Horavane needs: "build" for building and running it, "test" for
# also running every test. Installs only what is missing; uses sudo when not run as root.
set -euo pipefail

build_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev
    libsqlite3-dev libglib2.0-dev
    libxcb1-dev libxcb-ewmh-dev libxcb-icccm4-dev libxcb-screensaver0-dev libxcb-dpms0-dev libxcb-res0-dev
    libxcb-sync-dev
    libwayland-dev wayland-protocols plasma-wayland-protocols qt6-wayland
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n # lupdate, lrelease; Qt's own texts translated
)
test_packages=(
    googletest libgtest-dev libbenchmark-dev dpkg-dev
    xvfb openbox xdotool xterm x11-apps x11-utils dbus dbus-x11 at-spi2-core python3-dbusmock sqlite3 dunst
    firefox-esr chromium trayer imagemagick hicolor-icon-theme
    firefox-esr-l10n-de firefox-esr-l10n-fr chromium-l10n mpv mpv-mpris
    sway kwin-wayland kded5 weston gnome-shell gnome-shell-extension-appindicator dconf-gsettings-backend
    dconf-service
    clang-14 libclang-rt-14-dev llvm-14
    python3-dbus
    xfce4-panel plasma-desktop qtwayland5 # real panels around the tray item
    mmdebstrap bubblewrap # the compositors of newer Debian releases, from a root of theirs
    debhelper lintian appstream desktop-file-utils reuse man-db # the Debian package and the checks on it
)

packages=("${build_packages[@]}")
if [[ "${1:-build}" == test ]]; then
    packages+=("${test_packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
