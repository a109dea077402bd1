#!/usr/bin/env bash
# Starts or stops a private X server (Xvfb) with a real window manager (openbox) for the
# tests that need one. Usage: xserver.sh start|stop STATE_DIR
# start writes STATE_DIR/xserver.env, which run.sh reads.
set -euo pipefail
action=$1
state=$2
mkdir -p "$state"

stop() {
    for f in "$state"/openbox.pid "$state"/xvfb.pid; do
        [[ -f $f ]] || continue
        kill "$(cat "$f")" 2>/dev/null || true
        rm -f "$f"
    done
    rm -f "$state/xserver.env"
}

case $action in
start)
    stop
    # The first display number that no other server holds.
    n=90
    while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do
        xdpyinfo -display ":$n" >/dev/null 2>&1 && break
        sleep 0.1
    done
    xdpyinfo -display ":$n" >/dev/null 2>&1 || { cat "$state/xvfb.log"; exit 1; }

    runtime="$state/runtime"
    mkdir -p "$runtime" && chmod 700 "$runtime"
    DISPLAY=":$n" XDG_RUNTIME_DIR="$runtime" openbox --sm-disable >"$state/openbox.log" 2>&1 &
    echo $! >"$state/openbox.pid"
    # openbox is ready once it has claimed the window manager selection.
    for _ in $(seq 100); do
        xprop -display ":$n" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    echo "export DISPLAY=:$n" >"$state/xserver.env"
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop STATE_DIR" >&2
    exit 2
    ;;
esac
