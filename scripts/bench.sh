#!/usr/bin/env bash
# Builds (normal, optimised) and runs every benchmark; each prints its own figures.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$root/scripts/setup.sh"
build_tree build -DLUMAVIVE_TESTS=ON
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
for bench in "$root"/build/bench/bench_*; do
    [[ -x "$bench" && -f "$bench" ]] || continue
    echo "== $(basename "$bench") =="
    if [[ "$(basename "$bench")" == bench_beats ]]; then
        "$root/scripts/beat-bench.sh" --no-build # it needs songs and a referee of its own
        continue
    fi
    "$bench"
done
