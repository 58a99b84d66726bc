#!/usr/bin/env bash
# Writes the README's picture of the window, docs/screenshot.png: the window after
# 7 + 5 = and MS, rendered offscreen by the project's own renderer. Builds first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

build_project
mkdir -p "$repo_root/docs"
"$repo_root/scripts/render-window.sh" "$repo_root/docs/screenshot.png" \
    Command7 cmdadd Command5 cmdequal mstore
