#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor. With --web, builds
# the browser version instead and serves it on this machine only, at
# http://127.0.0.1:8080/ (another port with VELTRO_WEB_PORT).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

if [ "${1:-}" = "--web" ]; then
    bash scripts/install-deps.sh "${WEB_PACKAGES[@]}"
    cmake --preset web >/dev/null
    cmake --build --preset web --target veltro_web
    port=${VELTRO_WEB_PORT:-8080}
    echo "VELTRO in the browser: http://127.0.0.1:${port}/ (Ctrl+C stops the server)"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
fi

bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}"

cmake --preset default -DVELTRO_BUILD_TESTS=OFF -DVELTRO_BUILD_BENCH=OFF >/dev/null
cmake --build --preset default --target veltro
exec ./build/default/platform/qt/veltro "$@"
