#!/usr/bin/env bash
# Sets up, builds and starts Lumavive. Without a display, renders the demo instead: photographs
# from Debian's plasma-workspace-wallpapers, an original soundtrack synthesized by
# lumavive-demosong, and the "Golden Hour" theme.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    "$root/scripts/setup.sh"
    build_tree build-app -DLUMAVIVE_TESTS=OFF
    # The themes lie beside bin/ in the build tree, as in an install.
    cd "$root/build-app"
    exec "$root/build-app/bin/lumavive" "$@"
fi

"$root/scripts/setup.sh" --demo
build_tree build-app -DLUMAVIVE_TESTS=OFF
cd "$root/build-app"
demo="$root/out/demo"
mkdir -p "$demo"
echo "No display found: rendering the demo with lumavive-render."
"$root/build-app/bin/lumavive-demosong" "$demo/soundtrack.m4a"

photos=()
for name in BytheWater Autumn Kite EveningGlow Path FallenLeaf summer_1am ColorfulCups; do
    folder=/usr/share/wallpapers/$name/contents/images
    [[ -d $folder ]] || continue
    # The largest JPEG of each wallpaper.
    best=$(ls -S "$folder"/*.jpg 2>/dev/null | head -n 1 || true)
    [[ -n $best ]] && photos+=(--photo "$best")
done

"$root/build-app/bin/lumavive-render" --theme 1 --text "Lumavive" "${photos[@]}" \
    --text "Made with Lumavive" --music "$demo/soundtrack.m4a" -o "$root/out/lumavive-demo.mp4"
echo "Your demo video: $root/out/lumavive-demo.mp4"
