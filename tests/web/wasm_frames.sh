#!/usr/bin/env bash
# The core compiled to WebAssembly draws what the native core draws: the replay tool built for
# node plays each scene, and its picture, segments and state must equal the native tool's.
#
# usage: wasm_frames.sh NATIVE-REPLAY WASM-REPLAY.js PNG-COMPARE OUTPUT-DIR SCENE...
# Exit 77 (skipped) when the WebAssembly tool has not been built.
set -euo pipefail
native=$1
wasm=$2
compare=$3
out=$4
shift 4

if [ ! -f "$wasm" ]; then
    echo "SKIP: $wasm is not built (cmake --preset web && cmake --build --preset web)"
    exit 77
fi
mkdir -p "$out"
for scene in "$@"; do
    name=$(basename "$scene" .replay)
    "$native" --png "$out/$name.native.png" --segments "$out/$name.native.segments" --state \
        "$scene" >"$out/$name.native.json"
    node "$wasm" --png "$out/$name.wasm.png" --segments "$out/$name.wasm.segments" --state \
        "$scene" >"$out/$name.wasm.json"
    "$compare" "$out/$name.wasm.png" "$out/$name.native.png" ||
        { echo "FAIL: $name: the WebAssembly frame differs"; exit 1; }
    for kind in segments json; do
        cmp "$out/$name.wasm.$kind" "$out/$name.native.$kind" ||
            { echo "FAIL: $name: the WebAssembly $kind differ"; exit 1; }
    done
    echo "$name: the same"
done
