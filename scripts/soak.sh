#!/usr/bin/env bash
# Soak run: random tokens from a fixed seed through the key-sequence driver, offscreen, in one
# process, "Exit" last. It prints the time taken and how much the peak memory grew after the
# first thousand tokens, and fails on a crash, on a token left unanswered, or on a growth of
# 1 MiB or more.
#   scripts/soak.sh [COUNT [SEED]]       (default 100000 tokens, seed 20261207)
# BUILD_DIR=folder runs the programs built there instead of building build/, and installs nothing:
# ctest runs it so, with its own build.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

count=${1:-100000}
seed=${2:-20261207}
use_benchmark_build tallomat-keys tallomat-soak-tokens
require_programs "$build/tallomat-keys" "$build/tallomat-soak-tokens"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/tallomat-soak-tokens" "$count" "$seed" >"$work/tokens"
start=$(date +%s%N)
status=0
QT_QPA_PLATFORM=offscreen "$build/tallomat-keys" --memory-every 1000 --tokens-from "$work/tokens" \
    >"$work/lines" 2>"$work/memory" || status=$?
elapsed_ms=$((($(date +%s%N) - start) / 1000000))

# Memory lines read "after N tokens: VmHWM: K kB VmRSS: K kB".
peak_after() { awk -v n="$1" '$1 == "after" && $2 == n {v = $5} END {print v + 0}' "$work/memory"; }
answered=$(wc -l <"$work/lines")
first=$(peak_after 1000)
last=$(peak_after "$answered")
growth=$((last - first))
seconds=$(awk -v ms="$elapsed_ms" 'BEGIN {printf "%.1f", ms / 1000}')
rate=$((answered * 1000 / (elapsed_ms > 0 ? elapsed_ms : 1)))
echo "soak: $answered of $count tokens answered in $seconds s ($rate tokens a second)," \
    "seed $seed, exit status $status"
echo "peak memory: $first KiB after 1000 tokens, $last KiB after the last:" \
    "growth $growth KiB (limit 1024)"

failed=0
if ((status != 0 || answered != count)); then
    echo "soak FAILED: the driver ended with status $status after $answered tokens"
    tail -5 "$work/memory"
    failed=1
elif ! tail -1 "$work/lines" | grep -q '"closed":true'; then
    echo 'soak FAILED: "Exit", the last token, did not close the window'
    failed=1
fi
if ((growth >= 1024)); then
    echo "soak FAILED: peak memory grew by 1 MiB or more after the first 1000 tokens"
    failed=1
fi
exit "$failed"
