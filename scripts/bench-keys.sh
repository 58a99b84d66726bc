#!/usr/bin/env bash
# Key latency of Simple Tallomat beside the bare Qt window of the start-up benchmark, side by side
# in one run under Xvfb:
#   scripts/bench-keys.sh [CLICKS]      (default 1000 clicks on each; median and 99th percentile)
# BUILD_DIR=folder measures the programs built there instead of building build/.
# Each click is a real click through the X server's XTEST extension, timed from the click to the
# display's repaint that shows its result (the display's last repaint before the window falls
# quiet), seen through the DAMAGE extension (bench/latency/key_latency_timer.cpp).
# The clicks alternate "C" and "7", so that the display changes on every click: " " after C, " 7"
# after 7 (the bare window's keys write their caption, "C" and "7", into its field).
# Each program is started 5 times and clicked a fifth of the clicks each time; the two take turns,
# and the order swaps every round, so that a busy machine weighs on both alike.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

clicks=${1:-1000}
rounds=5
use_benchmark_build tallomat startup-bare-window key-latency-timer
install_benchmark_tools xvfb

timer=$build/bench/latency/key-latency-timer
compared_programs "$build"
require_programs "$timer" "${programs[@]}"
work=$(mktemp -d)
trap finish_under_xvfb EXIT
start_xvfb

# Clicks one program the given number of times; appends the latencies to its work file.
measure() {
    "$timer" "$2" txtinsert cmdc Command7 -- "${programs[$1]}" >>"$work/$1.ms" 2>>"$work/log"
}

# The value at the given percentile of the file's figures (nearest rank).
percentile() {
    sort -n "$1" | awk -v p="$2" '{v[NR] = $1} END {r = NR * p / 100; print v[r == int(r) ? r : int(r) + 1]}'
}

# Warms the caches of fonts and libraries; not counted. One command a line, as a failure within
# an && list would not stop the script.
measure tallomat 20
measure bare 20
rm -f "$work"/*.ms
for round in $(seq "$rounds"); do
    if ((round % 2)); then order=(tallomat bare); else order=(bare tallomat); fi
    share=$(((clicks * round / rounds) - (clicks * (round - 1) / rounds)))
    for name in "${order[@]}"; do
        if ((share > 0)); then measure "$name" "$share"; fi
    done
done

echo "$clicks clicks, click to display repaint    median   99th percentile"
for name in tallomat bare; do
    printf '%-37s %6.2f ms  %9.2f ms\n' "$name" "$(percentile "$work/$name.ms" 50)" \
        "$(percentile "$work/$name.ms" 99)"
done
ratio() { awk -v a="$(percentile "$work/tallomat.ms" "$1")" -v b="$(percentile "$work/bare.ms" "$1")" \
    'BEGIN {printf "%.2f", a / b}'; }
printf '%-37s %6s     %9s     (goals: 99th percentile within 16.7 ms, and 1.1)\n' \
    "tallomat / bare" "$(ratio 50)" "$(ratio 99)"
