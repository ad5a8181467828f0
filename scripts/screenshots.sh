#!/usr/bin/env bash
# Writes PNGs of the screens and pop-ups into build/screenshots/: the window's journey test driven
# under a virtual X display, with the real themes and a realistic project.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$root/scripts/setup.sh"
build_tree build -DLUMAVIVE_TESTS=ON
out="$root/build/screenshots"
mkdir -p "$out"
LUMAVIVE_SCREENSHOTS="$out" LUMAVIVE_SCREENSHOT_THEMES="$root/build/share/lumavive/themes" \
    xvfb-run -a -s "-screen 0 1600x1000x24" env -u QT_QPA_PLATFORM \
    "$root/build/tests/ui/tst_ui" >/dev/null
# The editing session driven by input events: the editor with a separator, the error pop-up and
# every screen at 1024x700 in each language.
LUMAVIVE_SCREENSHOTS="$out" xvfb-run -a -s "-screen 0 1600x1000x24" env -u QT_QPA_PLATFORM \
    "$root/build/tests/ui/tst_window" >/dev/null
ls "$out"
