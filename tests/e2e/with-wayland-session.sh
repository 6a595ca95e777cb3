#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs COMMAND inside a throw-away headless Wayland session without any X server. COMPOSITOR is "sway",
# "kwin", "gnome" or "weston". Exports WAYLAND_DISPLAY, XDG_RUNTIME_DIR (private, 0700), XDG_SESSION_TYPE=wayland,
# DBUS_SESSION_BUS_ADDRESS, HORAVANE_WAYLAND_SESSION=COMPOSITOR (and SWAYSOCK under sway), tears everything
# down afterwards and exits with COMMAND's status.
# sway refuses to run as root: started as root, the script runs itself, and COMMAND, as an unprivileged
# user made for tests (created on first use).
# GNOME Shell runs in unsafe mode (tests drive it through org.gnome.Shell.Eval) with no extensions; it needs a
# system bus and, with logind absent, no /run/systemd: it gets both in a mount namespace of its own.
# With --a11y, the session also gets an accessibility bus, as with-x11-session.sh gives it, and exports
# HORAVANE_WAYLAND_A11Y=1.
# With --root DIR (made by newer-root.sh), kwin or gnome is the one of that newer Debian: it runs from DIR, which
# sees this session's folders, HOME, devices and system bus at the same paths, while COMMAND runs here.
# HORAVANE_WAYLAND_COMPOSITOR names a command that starts the compositor again (after a log-out, say).
set -euo pipefail

options=() # those handed on when the script runs itself
a11y=0
root=""
while [[ ${1:-} == --* ]]; do
    case $1 in
    --a11y) a11y=1 && options+=("$1") && shift ;;
    --root) root=$(realpath -m "$2") && options+=("$1" "$root") && shift 2 ;;
    *) break ;;
    esac
done
if [[ $# -lt 2 ]]; then
    echo "usage: $0 [--a11y] [--root DIR] sway|kwin|gnome|weston COMMAND [ARGUMENT...]" >&2
    exit 2
fi
compositor=$1
shift
if [[ -n $root && ! -x $root/usr/bin/kwin_wayland ]]; then
    echo "$0: $root is no root made by newer-root.sh" >&2
    exit 2
fi

if [[ $(id -u) -eq 0 ]]; then
    user=horavane-e2e
    if ! id -u "$user" > /dev/null 2>&1; then
        useradd --system --user-group --create-home --home-dir "/var/tmp/$user" --shell /usr/sbin/nologin "$user"
    fi
    as_user=(setpriv --reuid="$user" --regid="$user" --init-groups env HOME="/var/tmp/$user" USER="$user"
        "$0" "${options[@]}" "$compositor" "$@")
    [[ $compositor == gnome ]] || exec "${as_user[@]}"
    [[ -n ${HORAVANE_GNOME_NAMESPACE:-} ]] || exec unshare -m env HORAVANE_GNOME_NAMESPACE=1 "$0" "${options[@]}" \
        "$compositor" "$@"
    mkdir -p /run/systemd /run/dbus
    mount -t tmpfs tmpfs /run/systemd
    mount -t tmpfs tmpfs /run/dbus
    system_bus=$(dbus-daemon --system --fork --print-pid=1)
    status=0
    "${as_user[@]}" || status=$?
    kill "$system_bus" 2>/dev/null || true
    exit "$status"
fi

source "$(dirname "${BASH_SOURCE[0]}")/session-lib.sh"
begin_session wayland
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
export XDG_DATA_HOME="$scratch/data"
export XDG_SESSION_TYPE=wayland

start_session_bus "unix:path=$XDG_RUNTIME_DIR/bus" # where a compositor in a root finds it too

socket=horavane-wayland-$$
case $compositor in
sway)
    printf 'xwayland disable\noutput HEADLESS-1 resolution 1280x800\n' > "$scratch/sway.conf"
    command=(env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$scratch/sway.conf")
    ;;
kwin)
    # The packaged binary carries a file capability that containers refuse; a plain copy runs (and must keep
    # its name, which KWin reads). A root has its copy in place already.
    kwin=/usr/bin/kwin_wayland
    if [[ -z $root ]]; then
        mkdir "$scratch/kwin"
        cp /usr/bin/kwin_wayland "$scratch/kwin/kwin_wayland"
        kwin=$scratch/kwin/kwin_wayland
    fi
    command=(env KWIN_COMPOSE="${KWIN_COMPOSE:-Q}" "$kwin" --virtual --no-lockscreen --socket "$socket"
        --width 1280 --height 800)
    ;;
gnome)
    command=(gnome-shell --headless --virtual-monitor 1280x800 --wayland --no-x11 --unsafe-mode
        --wayland-display "$socket")
    ;;
weston)
    command=(weston --backend=headless-backend.so --socket="$socket" --idle-time=0)
    ;;
*)
    echo "$session_name: unknown compositor $compositor" >&2
    exit 2
    ;;
esac
if [[ -n $root ]]; then
    # The root's programs with this machine's devices and system bus (no /run/systemd: GNOME then uses its
    # stand-in for logind), and this session's folders at the same paths.
    command=(bwrap --die-with-parent --ro-bind "$root" / --dev-bind /dev /dev --proc /proc --ro-bind /sys /sys
        --ro-bind /etc/machine-id /etc/machine-id --tmpfs /run --bind-try /run/dbus /run/dbus
        --tmpfs /tmp --tmpfs /var/tmp --bind "$scratch" "$scratch" --bind "$HOME" "$HOME" -- "${command[@]}")
fi
# Kept as a command of its own, so that a test can start the compositor again after stopping it.
export HORAVANE_WAYLAND_COMPOSITOR=$scratch/start-compositor
printf '#!/bin/bash\nexec %s >> %q 2>&1\n' "$(printf '%q ' "${command[@]}")" "$scratch/compositor.log" \
    > "$HORAVANE_WAYLAND_COMPOSITOR"
chmod +x "$HORAVANE_WAYLAND_COMPOSITOR"
"$HORAVANE_WAYLAND_COMPOSITOR" &
pids+=($!)
if [[ $compositor == sway ]]; then
    wait_for sh -c "ls '$XDG_RUNTIME_DIR'/sway-ipc.*.sock > /dev/null 2>&1" || true
    SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -1)
    export SWAYSOCK
    socket=$(cd "$XDG_RUNTIME_DIR" && ls wayland-* 2>/dev/null | grep -v lock | head -1)
fi

if [[ -z $socket ]] || ! wait_for test -S "$XDG_RUNTIME_DIR/$socket"; then
    fail "$compositor did not come up" "$scratch/compositor.log"
fi
if [[ $compositor == kwin ]] && ! wait_for sh -c 'dbus-send --session --print-reply --reply-timeout=5000 --dest=org.kde.KWin /Scripting \
        org.freedesktop.DBus.Peer.Ping > /dev/null 2>&1'; then
    fail "KWin did not come onto the session bus" "$scratch/compositor.log"
fi
if [[ $compositor == gnome ]] && ! wait_for sh -c 'gdbus call --session --timeout 5 --dest org.gnome.Shell \
        --object-path /org/gnome/Shell --method org.gnome.Shell.Eval 1 > /dev/null 2>&1'; then
    fail "GNOME Shell did not come onto the session bus" "$scratch/compositor.log"
fi
export WAYLAND_DISPLAY="$socket" HORAVANE_WAYLAND_SESSION="$compositor"
# As a desktop session does at log-in: services the bus starts (gnome-extensions' helper, say) find the display.
dbus-update-activation-environment WAYLAND_DISPLAY XDG_SESSION_TYPE

if [[ $a11y == 1 ]]; then
    start_accessibility_bus
    export HORAVANE_WAYLAND_A11Y=1
fi
status=0
"$@" || status=$?
if [[ $status -ne 0 ]]; then
    echo "--- $compositor log" >&2
    tail -40 "$scratch/compositor.log" >&2
fi
exit "$status"
