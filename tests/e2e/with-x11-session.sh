#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs COMMAND inside a throw-away X11 session: Xvfb on a free display, openbox as the window manager
# and a private D-Bus session bus. Exports DISPLAY, DBUS_SESSION_BUS_ADDRESS and HORAVANE_X11_SESSION=1,
# tears everything down afterwards and exits with COMMAND's status.
# With --a11y as the first argument (or HORAVANE_X11_A11Y=1) the session also gets an accessibility bus
# (at-spi-bus-launcher and, on demand, the registry), with the accessibility switch kept in memory so
# that nothing outside the session changes; it then exports HORAVANE_X11_A11Y=1.
set -euo pipefail

a11y=${HORAVANE_X11_A11Y:-0}
if [[ ${1:-} == --a11y ]]; then
    a11y=1
    shift
fi
if [[ $# -lt 1 ]]; then
    echo "usage: $0 [--a11y] COMMAND [ARGUMENT...]" >&2
    exit 2
fi

source "$(dirname "${BASH_SOURCE[0]}")/session-lib.sh"
begin_session x11

# A display number of our own, well away from those desktops use, and a window manager on it; tried again
# on another number when either does not come up (another session starting or stopping at the same moment).
started=""
for _ in 1 2 3 4 5; do
    candidate=$((100 + RANDOM % 900))
    [[ -e /tmp/.X$candidate-lock ]] && continue
    Xvfb ":$candidate" -screen 0 1280x800x24 -nolisten tcp -noreset 2>"$scratch/xvfb.log" &
    xvfb=$!
    if wait_for xprop -display ":$candidate" -root _NET_SUPPORTED > /dev/null 2>&1 && kill -0 "$xvfb" 2>/dev/null; then
        # openbox keeps its state below XDG_CACHE_HOME and XDG_CONFIG_HOME: keep that inside the session.
        DISPLAY=":$candidate" XDG_CACHE_HOME="$scratch/cache" XDG_CONFIG_HOME="$scratch/config" \
            openbox --sm-disable 2>"$scratch/openbox.log" &
        openbox=$!
        if wait_for sh -c "xprop -display :$candidate -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"; then
            pids+=("$xvfb" "$openbox")
            started=$candidate
            break
        fi
        kill "$openbox" 2>/dev/null || true
    fi
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
done
[[ -n "$started" ]] || fail "no X server with a window manager came up" "$scratch/xvfb.log" "$scratch/openbox.log"
export DISPLAY=":$started"
start_session_bus

if [[ $a11y == 1 ]]; then
    start_accessibility_bus
    export HORAVANE_X11_A11Y=1
else
    unset HORAVANE_X11_A11Y
fi

export HORAVANE_X11_SESSION=1
status=0
"$@" || status=$?
exit "$status"
