#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: the library graph and formatting checks
# (scripts/check-style.sh), a normal build, a sanitizer build
# (AddressSanitizer + UndefinedBehaviorSanitizer, leak checks on) and a short run of every fuzz
# target, and checks the install and the Debian package (scripts/package-check.sh). Options:
# --quick (normal build only), --no-fuzz, --fuzz-seconds N.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

quick=0
fuzz=1
fuzz_seconds=30
while (($#)); do
    case $1 in
        --quick) quick=1 ;;
        --no-fuzz) fuzz=0 ;;
        --fuzz-seconds) fuzz_seconds=$2; shift ;;
        *) echo "usage: $0 [--quick] [--no-fuzz] [--fuzz-seconds N]" >&2; exit 2 ;;
    esac
    shift
done

"$root/scripts/setup.sh"

echo "== Library graph and formatting =="
"$root/scripts/check-style.sh"

echo "== Normal build =="
build_tree build -DLUMAVIVE_TESTS=ON
ctest --test-dir "$root/build" --output-on-failure -j 2

echo "== Installing and packaging =="
"$root/scripts/package-check.sh"

if ((quick)); then
    exit 0
fi

echo "== Sanitizer build (ASan + UBSan) =="
build_tree build-asan -DLUMAVIVE_SANITIZE=ON -DLUMAVIVE_THEMES=OFF \
    -DLUMAVIVE_THEMES_BUILD_DIR="$root/build/share/lumavive/themes"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j 2

if ((fuzz)); then
    echo "== Fuzz targets, ${fuzz_seconds} s each =="
    "$root/scripts/fuzz.sh" "$fuzz_seconds"
fi
