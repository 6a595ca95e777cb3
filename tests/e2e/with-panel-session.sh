#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs COMMAND in a throw-away session for one real panel: "xfce" (X11), "plasma" (KWin on Wayland) or "gnome"
# (GNOME Shell on Wayland, with Horavane's and the AppIndicator extension). Exports HORAVANE_PANEL=PANEL and the
# XDG_CURRENT_DESKTOP that desktop's log-in sets; the test itself starts the panel (xfce, plasma) so that Horavane
# can come first.
set -euo pipefail
if [[ $# -lt 2 ]]; then
    echo "usage: $0 xfce|plasma|gnome COMMAND [ARGUMENT...]" >&2
    exit 2
fi
here=$(dirname "${BASH_SOURCE[0]}")
export HORAVANE_PANEL=$1
shift
case $HORAVANE_PANEL in
xfce)
    export XDG_CURRENT_DESKTOP=XFCE
    exec "$here/with-x11-session.sh" "$@"
    ;;
plasma)
    # OpenGL, which KWin's screenshots need, and screenshots for any caller
    export XDG_CURRENT_DESKTOP=KDE KWIN_COMPOSE=O2 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1
    exec "$here/with-wayland-session.sh" kwin "$@"
    ;;
gnome)
    export XDG_CURRENT_DESKTOP=GNOME
    exec "$here/with-wayland-session.sh" gnome "$@"
    ;;
*)
    echo "$0: unknown panel $HORAVANE_PANEL" >&2
    exit 2
    ;;
esac
