# Debian packages, by what needs them. Sourced by run.sh and test.sh.
# shellcheck disable=SC2034
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libpng-dev qt6-base-dev qt6-qpa-plugins
                nlohmann-json3-dev)
# the browser version: Emscripten (its node and acorn come with it), python3 to serve the site,
# and the JSON library the inspection is written with
WEB_PACKAGES=(cmake ninja-build emscripten nodejs python3 nlohmann-json3-dev)
TEST_PACKAGES=(clang-format googletest libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick
               x11-utils libx11-dev
               # the exact-arithmetic check of the parametric polynomial, the icon check
               python3
               # the Windows program: MinGW-w64 cross build, run under Wine
               g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
               wine wine64 jq
               # the fuzz target (clang with libFuzzer and the sanitizer run-times), and
               # valgrind for the soak test's memcheck run (docs/robustness.md)
               clang libclang-rt-14-dev valgrind
               # the Debian package check: cpack's dependency scan, dpkg-deb, the entry check,
               # lintian, and the AppStream metainfo check
               dpkg-dev file desktop-file-utils lintian appstream
               # the browser version and its end-to-end test in Chromium, WebKitGTK (under
               # Xvfb) and Firefox ESR (over WebDriver BiDi, through python3-websocket)
               "${WEB_PACKAGES[@]}" chromium chromium-driver python3-selenium
               webkit2gtk-driver firefox-esr python3-websocket)
