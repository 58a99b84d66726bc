#!/usr/bin/env bash
# Prints the time from start to the window shown and the peak memory of the program under Xvfb
# (median of RUNS runs), and the time of 1,000 tokens through the key-sequence driver.
# Needs xvfb, xdotool and GNU time (/usr/bin/time). Build first (ninja -C build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
runs=${RUNS:-5}
display=:${XVFB_DISPLAY:-97}
work=$(mktemp -d)

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

for run in $(seq "$runs"); do
    start=$(date +%s%N)
    DISPLAY=$display QT_QPA_PLATFORM=xcb /usr/bin/time -v -o "$work/time.$run" "$build/tallomat" &
    timer=$!
    until DISPLAY=$display xdotool search --onlyvisible --name '^Simple Tallomat$' >/dev/null 2>&1; do :; done
    shown=$(date +%s%N)
    echo $(((shown - start) / 1000000)) >>"$work/shown"
    program=$(pgrep -P "$timer")
    kill "$program"
    wait "$timer" || true
    awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.$run" >>"$work/rss"
done
echo "start to window shown: $(median <"$work/shown") ms (median of $runs, under Xvfb)"
echo "peak memory: $(median <"$work/rss") KiB maximum resident set (median of $runs)"

tokens=()
for _ in $(seq 100); do
    tokens+=(Command7 cmdadd Command5 cmdequal key:4 key:+ key:2 key:Enter cmdc cmdback)
done
start=$(date +%s%N)
QT_QPA_PLATFORM=offscreen "$build/tallomat-keys" "${tokens[@]}" >/dev/null 2>&1
echo "1,000 driver tokens: $((($(date +%s%N) - start) / 1000000)) ms"
