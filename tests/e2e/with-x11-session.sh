#!/usr/bin/env bash
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

scratch=$(mktemp -d "${TMPDIR:-/tmp}/horavane-x11.XXXXXX")
pids=()

teardown() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        # Give each a moment to leave, then insist.
        for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
        kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap teardown EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Waits up to a minute for a condition (a command) to hold; a loaded machine starts things slowly. The limit is
# on the clock, not on a number of tries, which a loaded machine would stretch.
wait_for() {
    local deadline=$((SECONDS + 60))
    while ((SECONDS < deadline)); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

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
if [[ -z "$started" ]]; then
    echo "with-x11-session: no X server with a window manager came up" >&2
    cat "$scratch/xvfb.log" "$scratch/openbox.log" >&2 2>/dev/null || true
    exit 1
fi
export DISPLAY=":$started"

read -r bus_address bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -sd ' ')
pids+=("$bus_pid")
export DBUS_SESSION_BUS_ADDRESS="$bus_address"

if [[ $a11y == 1 ]]; then
    launcher=""
    for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
        [[ -x $candidate ]] && launcher=$candidate && break
    done
    if [[ -z $launcher ]]; then
        echo "with-x11-session: no at-spi-bus-launcher (package at-spi2-core)" >&2
        exit 1
    fi
    # The bus socket goes below XDG_RUNTIME_DIR, and the switch lives in a memory-only settings backend.
    mkdir -m 700 "$scratch/runtime"
    XDG_RUNTIME_DIR="$scratch/runtime" GSETTINGS_BACKEND=memory "$launcher" --launch-immediately \
        2>"$scratch/a11y.log" &
    pids+=($!)
    if ! wait_for sh -c 'dbus-send --session --print-reply --reply-timeout=5000 --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1'; then
        echo "with-x11-session: the accessibility bus did not start" >&2
        cat "$scratch/a11y.log" >&2
        exit 1
    fi
    export HORAVANE_X11_A11Y=1
else
    unset HORAVANE_X11_A11Y
fi

export HORAVANE_X11_SESSION=1
status=0
"$@" || status=$?
exit "$status"
