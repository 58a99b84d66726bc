#!/usr/bin/env bash
# Start-up time and peak memory of Simple Tallomat beside a bare Qt Widgets window with the same
# 46 widgets, side by side in one run under Xvfb:
#   scripts/bench-startup.sh [RUNS]      (default 7; medians are printed, and the ratios)
# BUILD_DIR=folder measures the programs built there instead of building build/.
# Times run from the start of the program to the X server's reports that its window is mapped and
# that the program first drew a frame with content into it (bench/startup/map_timer.cpp); peak
# memory is the maximum resident set that /usr/bin/time reports for the program, ended half a
# second after that frame.
# The two programs take turns, and the order swaps every round, so that a busy machine weighs on
# both alike.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

runs=${1:-7}
use_benchmark_build tallomat startup-bare-window startup-map-timer
install_benchmark_tools xvfb xdotool time

timer=$build/bench/startup/startup-map-timer
compared_programs "$build"
require_programs "$timer" "${programs[@]}"
work=$(mktemp -d)
trap finish_under_xvfb EXIT
start_xvfb

# Runs one program once; appends its two times and its peak KiB to the work files.
measure() {
    local name=$1 mapped drawn window
    coproc TIMER {
        exec "$timer" /usr/bin/time -f %M -o "$work/rss" "${programs[$name]}" 2>>"$work/log"
    }
    if ! read -r mapped drawn window <&"${TIMER[0]}"; then
        echo "$(basename "$0"): $name showed no window" >&2
        exit 1
    fi
    sleep 0.5
    kill "$(xdotool getwindowpid "$window")"
    wait "$TIMER_PID" || true
    echo "$mapped" >>"$work/$name.mapped"
    echo "$drawn" >>"$work/$name.drawn"
    tail -1 "$work/rss" >>"$work/$name.kib"
}

median() { sort -n "$1" | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# Warms the caches of fonts and libraries; not counted. One command a line, as a failure within
# an && list would not stop the script.
measure tallomat
measure bare
rm -f "$work"/*.mapped "$work"/*.drawn "$work"/*.kib
for round in $(seq "$runs"); do
    if ((round % 2)); then order=(tallomat bare); else order=(bare tallomat); fi
    for name in "${order[@]}"; do measure "$name"; done
done

echo "medians of $runs runs      mapped   first frame   peak memory"
for name in tallomat bare; do
    printf '%-22s %7.2f ms  %9.2f ms  %8d KiB\n' "$name" "$(median "$work/$name.mapped")" \
        "$(median "$work/$name.drawn")" "$(median "$work/$name.kib")"
done
ratio() { awk -v a="$(median "$work/tallomat.$1")" -v b="$(median "$work/bare.$1")" \
    'BEGIN {printf "%.2f", a / b}'; }
printf '%-22s %7s     %9s     %8s      (goals: mapped 1.2, peak memory 1.1)\n' \
    "tallomat / bare" "$(ratio mapped)" "$(ratio drawn)" "$(ratio kib)"
