#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 30) on a scratch copy of its seed corpus in fuzz/corpus/<name>/. With FUZZ_WORK=DIR the
# grown corpora and logs stay in DIR (for long runs and minimising: see docs/RELIABILITY.md).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

seconds=${1:-30}
CC=clang CXX=clang++ build_tree build-fuzz -DLUMAVIVE_FUZZ=ON

if [[ -n "${FUZZ_WORK:-}" ]]; then
    scratch=$FUZZ_WORK
    mkdir -p "$scratch"
else
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
fi
failed=0
for target in "$root"/build-fuzz/fuzz/fuzz_*; do
    [[ -x "$target" && -f "$target" ]] || continue
    name=$(basename "$target")
    name=${name#fuzz_}
    mkdir -p "$scratch/$name"
    cp -r "$root/fuzz/corpus/$name/." "$scratch/$name/" 2>/dev/null || true
    echo "-- fuzz_$name"
    if ! (cd "$scratch" && ASAN_OPTIONS=detect_leaks=1 \
            LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" "$target" -max_total_time="$seconds" \
            -print_final_stats=1 "$scratch/$name" >"$scratch/$name.log" 2>&1); then
        tail -n 60 "$scratch/$name.log"
        failed=1
    else
        grep -E '^#[0-9]+.*DONE' "$scratch/$name.log" | tail -n 1 || true
        grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$scratch/$name.log" || true
    fi
done
if ((failed)); then
    echo "fuzzing found a problem"
    exit 1
fi
echo "fuzzing clean"
