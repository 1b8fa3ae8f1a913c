#!/usr/bin/env bash
# Renders every docs/scenes/NAME.replay into docs/images/NAME.png with veltro-replay, remakes
# the SVG figures docs/images/NAME.svg that exist, and removes pictures whose scene is gone.
# The docs tests (ctest -L docs) fail until the pictures are what the scenes render now.
#
# Usage: docs/scenes/regenerate.sh [BUILD_DIR]
#   BUILD_DIR  a configured build tree; veltro-replay is built there first.
#              Default: build/default, configured with the default preset if needed.
#   VELTRO_REPLAY=/path/to/veltro-replay  use that program and build nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

if [ -n "${VELTRO_REPLAY:-}" ]; then
    replay=$VELTRO_REPLAY
else
    build=${1:-build/default}
    if [ ! -f "$build/CMakeCache.txt" ]; then
        if [ "$build" != build/default ]; then
            echo "regenerate.sh: $build is not a configured build tree" >&2
            exit 2
        fi
        cmake --preset default >/dev/null
    fi
    if ! log=$(cmake --build "$build" --target veltro-replay 2>&1); then
        echo "$log" >&2
        echo "regenerate.sh: building veltro-replay in $build failed" >&2
        exit 1
    fi
    replay=$build/tools/replay/veltro-replay
fi
[ -x "$replay" ] || { echo "regenerate.sh: no veltro-replay at $replay" >&2; exit 2; }

mkdir -p docs/images
shopt -s nullglob
for scene in docs/scenes/*.replay; do
    name=$(basename "$scene" .replay)
    "$replay" --png "docs/images/$name.png" "$scene"
    echo "docs/images/$name.png"
done
for figure in docs/images/*.svg; do
    name=$(basename "$figure" .svg)
    if [ -f "docs/scenes/$name.replay" ]; then
        "$replay" --svg "$figure" "docs/scenes/$name.replay"
        echo "$figure"
    fi
done
# The comparisons of every method: docs/images/compare/NAME.svg from docs/scenes/compare/NAME.replay.
mkdir -p docs/images/compare
for scene in docs/scenes/compare/*.replay; do
    name=$(basename "$scene" .replay)
    "$replay" --compare "docs/images/compare/$name.svg" "$scene"
    echo "docs/images/compare/$name.svg"
done
for figure in docs/images/compare/*.svg; do
    name=$(basename "$figure" .svg)
    if [ ! -f "docs/scenes/compare/$name.replay" ]; then
        rm -- "$figure"
        echo "removed $figure (no docs/scenes/compare/$name.replay)"
    fi
done
for picture in docs/images/*.png docs/images/*.svg; do
    name=$(basename "${picture%.*}")
    if [ ! -f "docs/scenes/$name.replay" ]; then
        rm -- "$picture"
        echo "removed $picture (no docs/scenes/$name.replay)"
    fi
done
