# Builds for the browser with Debian's Emscripten. The emcc linker runs its
# JavaScript optimiser under node, which finds the packaged acorn module only
# through NODE_PATH when the node on the machine is not Debian's own.
set(VELTRO_EMSCRIPTEN_ROOT /usr/share/emscripten CACHE PATH "Where Emscripten is installed")
include(${VELTRO_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake)

set(VELTRO_NODE_PATH /usr/share/nodejs CACHE PATH "Where emcc's node modules are installed")
set(ENV{NODE_PATH} ${VELTRO_NODE_PATH})
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${VELTRO_NODE_PATH})
