#!/usr/bin/env bash
# Installs whatever Lumavive needs to build, run and test on Debian 12. Idempotent: when every
# package is present it only checks and returns. --demo adds the freely licensed photographs of
# the demo render (KDE's wallpapers, GPL-2+).
set -euo pipefail

packages=(
    # build tools
    cmake ninja-build g++ clang pkg-config ccache
    # the layer and formatting checks
    python3 clang-format
    # Qt 5.15
    qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev qttools5-dev qttools5-dev-tools
    libqt5svg5-dev qml-module-qtquick-controls2 qml-module-qtquick-dialogs
    qml-module-qt-labs-platform qml-module-qtquick-layouts qml-module-qtquick-window2
    qml-module-qttest
    # photo formats beyond Qt's own: WebP and TIFF, and HEIC/HEIF and AVIF as phones write them
    qt5-image-formats-plugins kimageformat-plugins
    # Qt's own texts (the file chooser's buttons) in the program's languages
    qttranslations5-l10n
    # the preview's sound (Qt Multimedia and its PulseAudio and ALSA back ends)
    qtmultimedia5-dev libqt5multimedia5-plugins
    # FFmpeg 5.1 libraries, and the command-line tools that tests and benchmarks use as checkers
    libavformat-dev libavcodec-dev libavutil-dev libswscale-dev libswresample-dev ffmpeg
    # the music's beats, for cuts on the beat
    libaubio-dev
    # SIMD colour conversion for the encoder's input
    libyuv-dev
    # fonts the themes use
    fonts-lato fonts-open-sans fonts-league-spartan fonts-roboto-unhinted fonts-ebgaramond
    fonts-dancingscript fonts-roboto-slab fonts-comfortaa fonts-linuxlibertine
    fonts-yanone-kaffeesatz fonts-cantarell
    # headless display for window tests and screenshots, and X tools that look at the window
    xvfb xauth x11-utils
    # packaging and its checks: dependencies of the .deb, lintian, desktop entry, AppStream
    dpkg-dev lintian desktop-file-utils appstream
)

if [[ "${1:-}" == "--demo" ]]; then
    packages+=(plasma-workspace-wallpapers)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
