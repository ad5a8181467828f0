#!/usr/bin/env bash
# Writes PNGs of the screens (a realistic project, the real presenters, offscreen) into
# build/screenshots/, by driving the window's journey test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$root/scripts/setup.sh"
build_tree build
mkdir -p "$root/build/screenshots"
LUMAVIVE_SCREENSHOTS="$root/build/screenshots" QT_QPA_PLATFORM=offscreen \
    "$root/build/tests/ui/tst_ui" >/dev/null
ls "$root/build/screenshots"
