#!/usr/bin/env bash
# under_weston.sh COMMAND...: runs COMMAND as the client of a headless Weston of its own, with its
# own runtime folder and socket, so that Qt draws on Wayland (QT_QPA_PLATFORM=wayland); the
# compositor is stopped by its process id when COMMAND ends, and COMMAND's status is returned;
# a Weston that ended before COMMAND did fails the run, with its log.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
runtime=$(mktemp -d)  # private to this user, as a Wayland runtime folder must be
socket=tallomat-weston
weston_pid=
stop() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap stop EXIT

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston_pid=$!
if ! wait_for 10 --while-running "$weston_pid" test -S "$runtime/$socket"; then
    echo "under_weston.sh: Weston did not start:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
fi
status=0
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@" || status=$?
if ! kill -0 "$weston_pid" 2>/dev/null; then
    echo "under_weston.sh: Weston ended while the command ran:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
fi
exit "$status"
