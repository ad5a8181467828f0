#!/usr/bin/env bash
# Checks Lumavive as a Linux desktop application from the normal build (build/): the desktop entry
# and the AppStream metadata validate; an install into a temporary prefix and the Debian package,
# unpacked, list and render from an unrelated working folder (a new project and a saved project);
# lintian reports no errors; the installed window has its name and icon.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

app_id=example.lumavive.Lumavive
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "-- desktop entry and AppStream metadata"
desktop-file-validate "$root/packaging/$app_id.desktop"
appstreamcli validate --no-net "$root/packaging/$app_id.metainfo.xml"

# A photo, a saved project that refers to it, and a folder that is not the repository.
mkdir -p "$work/elsewhere" "$work/project"
python3 - "$work" <<'PY'
import struct, sys, zlib
work = sys.argv[1]
def png(path, w, h, rgb):
    raw = b"".join(b"\x00" + bytes(rgb) * w for _ in range(h))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))
png(f"{work}/photo.png", 320, 240, (200, 80, 40))
with open(f"{work}/project/prj.xml", "w") as f:
    f.write(f'<?xml version="1.0" encoding="UTF-8"?><userdata template="2" quality="0" save-dir="{work}">'
            f'<audio></audio><slides><object type="1" rotation="0" src="{work}/photo.png"/>'
            f'<object type="2" text="Saved before the install"/></slides></userdata>')
PY

check_tree() { # <bin folder> <label>
    local bin=$1 label=$2
    echo "-- $label: themes and renders from $work/elsewhere"
    (cd "$work/elsewhere" && env -u LUMAVIVE_THEMES_DIR "$bin/lumavive-render" --list-themes) | tee "$work/themes.txt"
    [[ $(wc -l <"$work/themes.txt") -eq 12 ]] || { echo "expected twelve themes"; exit 1; }
    (cd "$work/elsewhere" && "$bin/lumavive-render" --theme 1 --photo "$work/photo.png" --text "Installed" \
        -o "$work/elsewhere/new.mp4")
    (cd "$work/elsewhere" && "$bin/lumavive-render" "$work/project" -o "$work/elsewhere/saved.mp4")
    [[ -s $work/elsewhere/new.mp4 && -s $work/elsewhere/saved.mp4 ]]
    rm -f "$work/elsewhere/new.mp4" "$work/elsewhere/saved.mp4"
}

echo "-- install into a temporary prefix"
cmake --install "$root/build" --prefix "$work/prefix" >/dev/null
for file in share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
        share/icons/hicolor/scalable/apps/$app_id.svg share/icons/hicolor/256x256/apps/$app_id.png \
        share/man/man1/lumavive.1.gz share/man/man1/lumavive-render.1.gz share/lumavive/themes/6/template.xml; do
    [[ -f $work/prefix/$file ]] || { echo "not installed: $file"; exit 1; }
done
check_tree "$work/prefix/bin" "installed tree"

echo "-- Debian package"
rm -f "$root"/build/lumavive_*.deb
(cd "$root/build" && cpack -G DEB >/dev/null)
deb=$(ls "$root"/build/lumavive_*.deb)
dpkg-deb -x "$deb" "$work/deb"
check_tree "$work/deb/usr/bin" "unpacked package"
lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v "root privileges" | tee "$work/lintian.txt" || true
if grep -q '^E:' "$work/lintian.txt"; then
    echo "lintian reports errors"
    exit 1
fi

if command -v xvfb-run >/dev/null && command -v xprop >/dev/null; then
    echo "-- the installed window's name and icon"
    (cd "$work/elsewhere" && LUMAVIVE_AUTOQUIT_MS=6000 xvfb-run -a -s "-screen 0 1600x1000x24" \
        env -u QT_QPA_PLATFORM sh -c "'$work/prefix/bin/lumavive' & sleep 4; \
        for w in \$(xwininfo -root -children | awk '/\"Lumavive\"/ {print \$1}'); do \
            xprop -id \$w WM_CLASS _NET_WM_ICON | head -c 300; echo; done > '$work/window.txt'; wait")
    grep -q 'WM_CLASS(STRING) = "lumavive", "Lumavive"' "$work/window.txt" || { cat "$work/window.txt"; echo "window without its class"; exit 1; }
    grep -q '_NET_WM_ICON(CARDINAL)' "$work/window.txt" || { cat "$work/window.txt"; echo "window without its icon"; exit 1; }
fi
echo "package checks passed"
