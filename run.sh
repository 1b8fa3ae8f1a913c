#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}"

cmake --preset default -DVELTRO_BUILD_TESTS=OFF -DVELTRO_BUILD_BENCH=OFF >/dev/null
cmake --build --preset default --target veltro
exec ./build/default/platform/qt/veltro "$@"
