#!/usr/bin/env bash
# Checks what the compiler cannot: the library graph (no cycles, no header from a library that is
# not linked, FFmpeg only in media, Qt Quick only in app) and the formatting of every C++ file.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

python3 "$root/scripts/check-layers.py"

cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null ||
    find src tests bench fuzz tools -name '*.cpp' -o -name '*.h')
if ! clang-format --dry-run --Werror "${files[@]}"; then
    echo "Files above differ from .clang-format: run clang-format -i on them." >&2
    exit 1
fi
echo "formatting: ${#files[@]} files follow .clang-format"
