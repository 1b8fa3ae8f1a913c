#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. With CI set, warnings
# are errors and the sanitizer build runs the tests too.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

werror=OFF
if [ -n "${CI:-}" ]; then
    werror=ON
fi

jobs=$(nproc)

echo "== build (default)"
cmake --preset default -DVELTRO_WERROR="$werror" >/dev/null
cmake --build --preset default -j "$jobs"
echo "== test (default)"
ctest --test-dir build/default --output-on-failure -j "$jobs"

if [ -n "${CI:-}" ]; then
    echo "== build (asan-ubsan)"
    cmake --preset asan-ubsan -DVELTRO_WERROR=ON >/dev/null
    cmake --build --preset asan-ubsan -j "$jobs"
    echo "== test (asan-ubsan)"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build/asan-ubsan --output-on-failure -j "$jobs"
fi

# ---- Windows: veltro.exe cross-built with MinGW-w64, tested under Wine ----
echo "== build (windows)"
cmake --preset windows -DVELTRO_WERROR="$werror" >/dev/null
cmake --build --preset windows -j "$jobs"
echo "== test (windows, under Wine)"
bash tests/win32/wine_end_to_end.sh build/windows/platform/win32/veltro.exe \
    build/windows/tests/win32/probe/win32-probe.exe build/default/tools/replay/veltro-replay
# ---- end of the Windows section ----
