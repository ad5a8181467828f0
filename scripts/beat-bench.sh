#!/usr/bin/env bash
# The beat benchmark (not part of the tests): three songs of different kinds from Debian's
# game music packages (free licences: see each package's copyright file), each made into a video of 12 photos with cuts on the beat. Prints,
# per song, how long finding its beats took (and reading them back from the cache), and the
# share of hand-overs whose middle lies within two frames of a beat that aubio's own tool
# reports. Installs the songs and aubio's tool when they are missing. --no-build uses the build
# tree as it is.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

songs=(
    # heavy metal, dense guitars
    "/usr/share/games/fretsonfire/data/songs/muldjord/internal_degeneration/song.ogg:11:fretsonfire-songs-muldjord"
    # a game's percussive jungle theme
    "/usr/share/hyperrogue/music/hr3-jungle.ogg:1:hyperrogue-music"
    # a children's game tune, ten minutes long
    "/usr/share/planetblupi/music/music005.ogg:9:planetblupi-music-ogg"
)
wanted=(aubio-tools)
for entry in "${songs[@]}"; do
    IFS=: read -r song _ package <<<"$entry"
    [[ -f "$song" ]] || wanted+=("$package")
done
if ! command -v aubio >/dev/null || (( ${#wanted[@]} > 1 )); then
    sudo_cmd=()
    (( EUID == 0 )) || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${wanted[@]}"
fi
[[ "${1:-}" == "--no-build" ]] || build_tree build -DLUMAVIVE_TESTS=ON

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
photos=()
for i in $(seq 1 12); do
    size=1600x1200
    (( i % 3 == 0 )) && size=1200x1600
    ffmpeg -v error -f lavfi -i "testsrc2=size=$size:rate=1,hue=h=$((i * 30))" -frames:v 1 \
        "$work/photo$i.jpg"
    photos+=("$work/photo$i.jpg")
done
for entry in "${songs[@]}"; do
    IFS=: read -r song theme _ <<<"$entry"
    aubio beat "$song" 2>/dev/null >"$work/reference.txt"
    "$root/build/bench/bench_beats" "$theme" "$song" "$work/reference.txt" "${photos[@]}"
    photo_args=()
    for photo in "${photos[@]}"; do photo_args+=(--photo "$photo"); done
    start=$(date +%s.%N)
    "$root/build/bin/lumavive-render" --theme "$theme" "${photo_args[@]}" --music "$song" \
        -o "$work/video.mp4" | grep -v '^Rendering' | sed 's/^/  /'
    echo "  rendered in $(printf '%.1f' "$(echo "$(date +%s.%N) - $start" | bc)") s"
done
