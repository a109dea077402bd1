#!/usr/bin/env bash
# Runs a test command inside the private test environment: the X server and the print
# server that the fixtures started, if any. Usage: run.sh STATE_DIR command...
set -euo pipefail
state=$1
shift
for env in "$state"/*.env; do
    # shellcheck source=/dev/null
    [[ -f $env ]] && source "$env"
done
export XDG_RUNTIME_DIR="$state/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# No session bus here: stop libdbus from trying to start one at every launch.
export DBUS_SESSION_BUS_ADDRESS=disabled:
exec "$@"
