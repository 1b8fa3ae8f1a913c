#!/usr/bin/env bash
# How much slower the core runs in WebAssembly than natively: the native and
# the node build of veltro-replay draw the same frames (a space press each)
# of one scene with the shells and the slider on, for each curve method at
# 80 and 320 points. Prints processor milliseconds per frame and the ratio.
# Each run is timed REPEATS times and the least time kept: load from the rest
# of the machine only ever adds to a run, and node's start varies by tens of
# milliseconds, as much as a hundred fast frames take.
#
# usage: bench/wasm_vs_native.sh [NATIVE-REPLAY] [WASM-REPLAY.js] [FRAMES] [REPEATS]
set -euo pipefail
native=${1:-build/default/tools/replay/veltro-replay}
wasm=${2:-build/web/tools/replay/veltro-replay.js}
frames=${3:-100}
repeats=${4:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Points spread over the area by a fixed sequence.
scene() {
    local count=$1 method=$2 presses=$3
    awk -v n="$count" -v m="$method" -v k="$presses" 'BEGIN {
        s = 12345
        for (i = 0; i < n; i++) {
            s = (s * 1664525 + 1013904223) % 4294967296; x = 20 + int(s / 256) % 600
            s = (s * 1664525 + 1013904223) % 4294967296; y = 20 + int(s / 256) % 440
            print "click " x " " y
        }
        print "menu " m; print "menu 40038"; print "menu 40036"
        for (i = 0; i < k; i++) print "key space"
    }'
}

# Processor time (user and system) rather than wall time: a busy machine
# changes it much less.
seconds() {
    local TIMEFORMAT='%U + %S'
    { time "$@" >/dev/null; } 2>&1 | bc -l
}

# The least processor time of `repeats` runs.
least_seconds() {
    local best='' run
    for ((run = 0; run < repeats; run++)); do
        local s
        s=$(seconds "$@")
        if [[ -z $best ]] || (($(echo "$s < $best" | bc -l))); then
            best=$s
        fi
    done
    echo "$best"
}

printf "%-8s %6s %12s %12s %7s\n" method points native_ms wasm_ms ratio
for method in 40028 40030 40031 40041 40043 40045; do
    for count in 80 320; do
        scene "$count" "$method" 0 >"$work/base.replay"
        scene "$count" "$method" "$frames" >"$work/frames.replay"
        n0=$(least_seconds "$native" --every-frame "$work/base.replay")
        n1=$(least_seconds "$native" --every-frame "$work/frames.replay")
        w0=$(least_seconds node "$wasm" --every-frame "$work/base.replay")
        w1=$(least_seconds node "$wasm" --every-frame "$work/frames.replay")
        native_ms=$(echo "($n1 - $n0) * 1000 / $frames" | bc -l)
        wasm_ms=$(echo "($w1 - $w0) * 1000 / $frames" | bc -l)
        printf "%-8s %6d %12.3f %12.3f %7.2f\n" "$method" "$count" "$native_ms" "$wasm_ms" \
            "$(echo "$wasm_ms / $native_ms" | bc -l)"
    done
done
