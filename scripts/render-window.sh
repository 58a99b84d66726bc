#!/usr/bin/env bash
# Renders the main window to a PNG for review, offscreen, optionally after driver tokens:
#   scripts/render-window.sh [OUT.png] [TOKEN...]
# QT_SCALE_FACTOR=2 renders it as on a high-density screen. Build first (ninja -C build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=${1:-/tmp/tallomat-window.png}
shift || true
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/tallomat-render" "$out" "$@"
echo "$out"
