#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 30), one per core at a time, on a scratch copy of its seed corpus in
# fuzz/corpus/<name>/. With FUZZ_WORK=DIR the grown corpora and logs stay in DIR (for long runs
# and minimising: see docs/RELIABILITY.md).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

seconds=${1:-30}
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMAVIVE_FUZZ=ON >/dev/null
cmake --build "$root/build-fuzz" -j "$jobs" --target fuzzers

if [[ -n "${FUZZ_WORK:-}" ]]; then
    scratch=$FUZZ_WORK
    mkdir -p "$scratch"
else
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
fi
# One target per core at a time; each writes its own log, shown when it fails.
run_target() {
    local target=$1 name
    name=$(basename "$target")
    name=${name#fuzz_}
    mkdir -p "$scratch/$name"
    cp -r "$root/fuzz/corpus/$name/." "$scratch/$name/" 2>/dev/null || true
    if ! (cd "$scratch" && ASAN_OPTIONS=detect_leaks=1 \
            LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" "$target" -max_total_time="$seconds" \
            -print_final_stats=1 "$scratch/$name" >"$scratch/$name.log" 2>&1); then
        echo "-- fuzz_$name"
        tail -n 60 "$scratch/$name.log"
        return 1
    fi
    echo "-- fuzz_$name: $(grep -E '^#[0-9]+.*DONE' "$scratch/$name.log" | tail -n 1)" \
        "$(grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$scratch/$name.log" | tr '\n' ' ')"
}

failed=0
running=0
for target in "$root"/build-fuzz/fuzz/fuzz_*; do
    [[ -x "$target" && -f "$target" ]] || continue
    if ((running >= jobs)); then
        wait -n || failed=1
        running=$((running - 1))
    fi
    run_target "$target" &
    running=$((running + 1))
done
while ((running > 0)); do
    wait -n || failed=1
    running=$((running - 1))
done
if ((failed)); then
    echo "fuzzing found a problem"
    exit 1
fi
echo "fuzzing clean"
