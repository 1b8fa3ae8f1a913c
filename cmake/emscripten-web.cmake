# Builds for the browser with Debian's Emscripten. The emcc linker runs its
# JavaScript optimiser under node, which finds the packaged acorn module only
# through NODE_PATH when the node on the machine is not Debian's own.
set(VELTRO_EMSCRIPTEN_ROOT /usr/share/emscripten CACHE PATH "Where Emscripten is installed")
include(${VELTRO_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake)

set(VELTRO_NODE_PATH /usr/share/nodejs CACHE PATH "Where emcc's node modules are installed")
set(ENV{NODE_PATH} ${VELTRO_NODE_PATH})
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${VELTRO_NODE_PATH})

# WebAssembly SIMD: the curve kernels' four-double lanes (and whatever else
# clang vectorises) become two-lane vector instructions instead of scalar
# ones, which the polynomial's and the spline's sums over every point need to
# keep up with the desktop. Lane arithmetic is the same IEEE arithmetic, so
# the frames stay the same bits. Browsers run it since Chromium 91, Firefox 89
# and Safari 16.4; older ones get a second build of the page's module without
# it (VELTRO_WEB_SIMD=OFF, see platform/web). As options rather than initial
# flags, so that a build tree configured before gets them too.
if(NOT DEFINED VELTRO_WEB_SIMD OR VELTRO_WEB_SIMD)
  add_compile_options(-msimd128)
  add_link_options(-msimd128)
endif()
