# The Windows download:
#
#   cpack --config <windows build>/CPackConfig.cmake -G ZIP   gives veltro-<version>-win64.zip
#
# holding veltro.exe (statically linked, it runs from any folder), the user guide and the
# license. Both are text files with Windows line ends, so that every editor there shows them
# as they are meant.

install(TARGETS veltro RUNTIME DESTINATION .)

foreach(text README.md:README.txt LICENSE:LICENSE.txt)
  string(REPLACE ":" ";" text "${text}")
  list(GET text 0 source)
  list(GET text 1 target)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${source})
  file(READ ${CMAKE_SOURCE_DIR}/${source} content)
  string(REPLACE "\n" "\r\n" content "${content}")
  file(WRITE ${CMAKE_BINARY_DIR}/release/${target} "${content}")
  install(FILES ${CMAKE_BINARY_DIR}/release/${target} DESTINATION .)
endforeach()

set(CPACK_PACKAGE_NAME veltro)
set(CPACK_PACKAGE_VENDOR "VELTRO")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME veltro-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR ZIP)

include(CPack)
