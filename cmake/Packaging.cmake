# Install layout and the Debian package.
#
#   cmake --install <build> --prefix <dir>   bin/veltro, bin/veltro-replay, the desktop entry,
#                                            the icon and the user documentation
#   cpack --config <build>/CPackConfig.cmake -G DEB
#
# The package's dependencies are found by dpkg-shlibdeps from the libraries the two programs
# actually link (Qt 6 widgets for the editor, libpng for the replay tool), so they follow the
# build instead of a hand-kept list.

include(GNUInstallDirs)

if(TARGET veltro)
  install(TARGETS veltro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET veltro-replay)
  install(TARGETS veltro-replay RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(VELTRO_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

# The desktop entry and its icon, so the editor shows up in the application menu. The name of
# the icon files must match the entry's Icon= key.
install(FILES ${VELTRO_PACKAGING_DIR}/veltro.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELTRO_PACKAGING_DIR}/veltro.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${VELTRO_PACKAGING_DIR}/veltro.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

# The user guide keeps its relative links to the pictures.
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/docs/replay.md DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
if(EXISTS ${CMAKE_SOURCE_DIR}/docs/images)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/images DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs
          FILES_MATCHING PATTERN "*.png")
endif()

set(CPACK_PACKAGE_NAME veltro)
set(CPACK_PACKAGE_VENDOR "VELTRO")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "VELTRO maintainers <maintainers@veltro.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive editor for planar curves")
set(CPACK_PACKAGE_DESCRIPTION
    "Click control points into a drawing area and watch the curve that one of six\n"
    "constructions builds from them: de Casteljau's nested linear interpolation, the\n"
    "Bernstein form, midpoint subdivision, the interpolating polynomial, the natural\n"
    "cubic spline and the B-spline with a degree and knots of your own. Includes\n"
    "veltro-replay, which renders scripted sessions to PNG without a display.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_PACKAGE_NAME veltro)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
