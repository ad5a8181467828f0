#!/usr/bin/env bash
# Writes PNGs of the screens and pop-ups into build/screenshots/: the window's session test driven
# by input events under a virtual X display: the start screen, the editor with a separator, the
# pop-ups (an error, a failure with its reason, skipped files, missing photos, deleting and renaming a project, quitting during a
# render), the focus ring, undo, New Slideshow, a theme's preview, settings, rendering, done, the
# start screen after a restart, and every screen at 1024x700 in each language.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$root/scripts/setup.sh"
build_tree build -DLUMAVIVE_TESTS=ON
out="$root/build/screenshots"
rm -rf "$out"
mkdir -p "$out"
LUMAVIVE_SCREENSHOTS="$out" xvfb-run -a -s "-screen 0 1600x1000x24" env -u QT_QPA_PLATFORM \
    "$root/build/tests/ui/tst_window" >/dev/null
ls "$out"
