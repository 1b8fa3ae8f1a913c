#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. With CI set, warnings
# are errors and the sanitizer build runs the tests too. With --quick, only
# the format check and the default build with its tests (the "quick" workflow
# preset): the inner loop while working.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

werror=OFF
if [ -n "${CI:-}" ]; then
    werror=ON
fi

jobs=$(nproc)
stages=0

echo "== format"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
stages=$((stages + 1))

if [ "${1:-}" = "--quick" ]; then
    echo "== quick: default build and tests"
    # Fixes the warning setting in the cache; the workflow's configure step keeps it.
    cmake --preset default -DVELTRO_WERROR="$werror" >/dev/null
    CMAKE_BUILD_PARALLEL_LEVEL="$jobs" CTEST_PARALLEL_LEVEL="$jobs" cmake --workflow --preset quick
    echo "stages: $((stages + 1)) passed, 0 failed"
    exit 0
fi

echo "== build (default)"
cmake --preset default -DVELTRO_WERROR="$werror" >/dev/null
cmake --build --preset default -j "$jobs"
# The browser version: its tests are part of the default build's and skip without it.
echo "== build (web)"
cmake --preset web -DVELTRO_WERROR="$werror" >/dev/null
cmake --build --preset web -j "$jobs"
echo "== test (default)"
ctest --preset default -j "$jobs"
stages=$((stages + 1))

if [ -n "${CI:-}" ]; then
    echo "== build (asan-ubsan)"
    cmake --preset asan-ubsan -DVELTRO_WERROR=ON >/dev/null
    cmake --build --preset asan-ubsan -j "$jobs"
    echo "== test (asan-ubsan)"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --preset asan-ubsan -j "$jobs"
    stages=$((stages + 1))
fi

# ---- Windows: veltro.exe cross-built with MinGW-w64, tested under Wine ----
echo "== build (windows)"
cmake --preset windows -DVELTRO_WERROR="$werror" >/dev/null
cmake --build --preset windows -j "$jobs"
echo "== package (windows zip)"
bash tests/packaging/check-zip.sh build/windows build/windows/package
echo "== test (windows, under Wine, the veltro.exe from the zip)"
bash tests/win32/wine_end_to_end.sh build/windows/package/unpacked/veltro-*-win64/veltro.exe \
    build/windows/tests/win32/probe/win32-probe.exe build/default/tools/replay/veltro-replay
stages=$((stages + 1))
# ---- end of the Windows section ----

# ---- hardening: the full-length soak and the fuzz target (CI only) ----
if [ -n "${CI:-}" ]; then
    echo "== soak (full length, under AddressSanitizer and LeakSanitizer)"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        VELTRO_FULL_LENGTH=1 build/asan-ubsan/tests/soak/veltro_soak_tests
    stages=$((stages + 1))
    echo "== build (fuzz: clang, libFuzzer, ASan, UBSan)"
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz -j "$jobs"
    echo "== fuzz (60 s from the seed corpus)"
    # New inputs go to build/fuzz/corpus, the seeds stay as they are. A crash,
    # a broken rule, a leak or an input that runs over 60 s fails the run and
    # leaves the input in build/fuzz/.
    mkdir -p build/fuzz/corpus
    build/fuzz/tests/fuzz/veltro_fuzz_session -max_total_time=60 -max_len=16384 -timeout=60 \
        -rss_limit_mb=2048 -dict=tests/fuzz/replay.dict -artifact_prefix=build/fuzz/ \
        -print_final_stats=1 build/fuzz/corpus tests/fuzz/corpus
    stages=$((stages + 1))
fi
# ---- end of the hardening section ----

# Reached only when every stage passed (set -e stops at the first failure).
echo "stages: ${stages} passed, 0 failed"
