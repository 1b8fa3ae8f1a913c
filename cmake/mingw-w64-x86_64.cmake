# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads
# variant, which provides std::thread and the rest of <thread>).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELTRO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELTRO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELTRO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELTRO_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELTRO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs built here run under Wine when CMake needs to run them.
find_program(VELTRO_WINE wine)
if(VELTRO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELTRO_WINE})
endif()
