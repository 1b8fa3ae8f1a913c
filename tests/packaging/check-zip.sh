#!/usr/bin/env bash
# Builds the Windows zip of a configured and built windows tree with CPack and
# checks what a user downloads: veltro-<version>-win64.zip holding one folder
# with veltro.exe, README.txt and LICENSE.txt, and nothing else. Unpacks it
# into WORK_DIR/unpacked, where the Wine test can start the program from.
#
# Usage: check-zip.sh BUILD_DIR WORK_DIR
set -euo pipefail

build=$1
work=$2

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "FAIL: no project version in $build/CMakeCache.txt" >&2; exit 1; }
name=veltro-$version-win64

rm -rf "$work"
mkdir -p "$work"
work=$(realpath "$work")
if ! cpack --config "$build/CPackConfig.cmake" -G ZIP -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack -G ZIP failed" >&2
    exit 1
fi
zip=$work/$name.zip
[ -f "$zip" ] || { ls -l "$work" >&2; echo "FAIL: cpack made no $name.zip" >&2; exit 1; }

expected=$(printf '%s\n' "$name/LICENSE.txt" "$name/README.txt" "$name/veltro.exe")
got=$(cmake -E tar tf "$zip" | grep -v '/$' | sort)
if [ "$got" != "$expected" ]; then
    printf 'FAIL: %s holds\n%s\ninstead of\n%s\n' "$(basename "$zip")" "$got" "$expected" >&2
    exit 1
fi

mkdir -p "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
if ! file "$work/unpacked/$name/veltro.exe" | grep -q 'PE32+ executable (GUI) x86-64'; then
    echo "FAIL: veltro.exe is not a 64-bit Windows program: $(file "$work/unpacked/$name/veltro.exe")" >&2
    exit 1
fi
echo "zip checks passed: $(basename "$zip")"
