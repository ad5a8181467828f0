#!/usr/bin/env bash
# Sets up, builds and starts Lumavive.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$root/scripts/setup.sh"
build_tree build -DLUMAVIVE_TESTS=OFF
cd "$root"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$root/build/bin/lumavive" "$@"
fi

echo "No display found: starting Lumavive on the offscreen platform for a short check."
QT_QPA_PLATFORM=offscreen LUMAVIVE_AUTOQUIT_MS=5000 "$root/build/bin/lumavive" "$@"
echo "Lumavive started and closed cleanly. Run this command on a desktop to use the program."
