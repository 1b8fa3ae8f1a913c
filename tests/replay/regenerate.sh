#!/usr/bin/env bash
# Renders the expected frames of the replay scenes again.
#
#   tests/replay/regenerate.sh [--binary PATH] [SCENE...]
#
# SCENE is a name under tests/replay/scenes without extension; with none,
# every scene is rendered. An expected frame is the reference every later
# build is held to: regenerate one only when a change of the picture is
# intended, and look at each new PNG (and at the diff against the old one)
# before committing it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
binary="$root/build/default/tools/replay/veltro-replay"
if [ "${1:-}" = "--binary" ]; then
    binary="$2"
    shift 2
fi
if [ ! -x "$binary" ]; then
    echo "regenerate.sh: no veltro-replay at $binary; build it first" >&2
    echo "  (cmake --preset default && cmake --build --preset default --target veltro-replay)" >&2
    exit 2
fi

scenes=("$@")
if [ ${#scenes[@]} -eq 0 ]; then
    for script in "$here"/scenes/*.replay; do
        scenes+=("$(basename "$script" .replay)")
    done
fi

for scene in "${scenes[@]}"; do
    script="$here/scenes/$scene.replay"
    if [ ! -f "$script" ]; then
        echo "regenerate.sh: no scene $script" >&2
        exit 2
    fi
    "$binary" --png "$here/scenes/$scene.png" "$script"
    echo "rendered scenes/$scene.png"
done
echo "Look at every rendered frame before you commit it: git diff --stat tests/replay/scenes"
