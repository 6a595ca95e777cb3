# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=bash
# Sourced by with-x11-session.sh and with-wayland-session.sh: a scratch folder and the processes started for
# the session, all gone on exit; waiting on the clock; a private session bus and accessibility bus.

session_name=$(basename "$0" .sh)
pids=() # the session's processes, in the order they started

# Says what went wrong, followed by the logs named, and leaves.
fail() {
    echo "$session_name: $1" >&2
    shift
    if (($#)); then cat "$@" >&2 2>/dev/null || true; fi
    exit 1
}

# Makes $scratch, a folder of the session's own, and ends the session on exit or on a signal.
begin_session() {
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/horavane-$1.XXXXXX")
    trap end_session EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
}

# Asks each process to leave, the last started first, gives each a moment, then insists.
end_session() {
    local i pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        for _ in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
        kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}

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

# A private session bus, listening where the configuration says or on the address given; exports
# DBUS_SESSION_BUS_ADDRESS.
start_session_bus() {
    local address pid listen=()
    [[ -n ${1:-} ]] && listen=(--address="$1")
    read -r address pid < <(dbus-daemon --session "${listen[@]}" --fork --print-address=1 --print-pid=1 |
        paste -sd ' ')
    pids+=("$pid")
    export DBUS_SESSION_BUS_ADDRESS="$address"
}

# The accessibility bus (at-spi-bus-launcher and, on demand, the registry) on the session bus, its socket in the
# scratch folder and the accessibility switch kept in memory, so that nothing outside the session changes.
start_accessibility_bus() {
    local launcher="" candidate
    for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
        [[ -x $candidate ]] && launcher=$candidate && break
    done
    [[ -n $launcher ]] || fail "no at-spi-bus-launcher (package at-spi2-core)"
    mkdir -p -m 700 "$scratch/runtime"
    XDG_RUNTIME_DIR="$scratch/runtime" GSETTINGS_BACKEND=memory "$launcher" --launch-immediately \
        2>"$scratch/a11y.log" &
    pids+=($!)
    wait_for sh -c 'dbus-send --session --print-reply --reply-timeout=5000 --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1' || fail "the accessibility bus did not start" "$scratch/a11y.log"
}
