#!/usr/bin/env bash
# Builds the themes and writes docs/contact-sheet.jpg: one frame of every scene of every theme,
# composed from the installed files with sample pictures.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$root/scripts/setup.sh"
build_tree build-app -DLUMAVIVE_TESTS=OFF
mkdir -p "$root/docs"
"$root/build-app/bin/lumavive-themebuilder" --contact-sheet "$root/docs/contact-sheet.jpg" --from "$root/build-app/share/lumavive/themes"
echo "wrote docs/contact-sheet.jpg"
