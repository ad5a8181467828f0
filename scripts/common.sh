# Shared by the scripts: repository root, build settings and the configure-and-build step.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
# Let ccache (when present) share its cache between checkouts in different folders.
export CCACHE_BASEDIR="$root"
export CCACHE_NOHASHDIR=1

# build_tree <folder> [cmake options...]: configures once, then builds everything.
build_tree() {
    local dir=$1
    shift
    cmake -S "$root" -B "$root/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$root/$dir" -j "$jobs"
}
