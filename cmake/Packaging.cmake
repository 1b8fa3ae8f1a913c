# Install layout and the Debian package.
#
#   cmake --install <build> --prefix <dir>   bin/veltro, bin/veltro-replay, their manual pages,
#                                            the desktop entry, the AppStream metainfo, the icon
#                                            and the user documentation
#   cpack --config <build>/CPackConfig.cmake -G DEB
#
# The package's dependencies are found by dpkg-shlibdeps from the libraries the two programs
# actually link (Qt 6 widgets for the editor, libpng for the replay tool), so they follow the
# build instead of a hand-kept list. The package is checked with lintian by tests/packaging.

include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/ReleaseDate.cmake)

set(VELTRO_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(VELTRO_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
# The application's id in reverse-DNS form: the names of the desktop entry and the metainfo.
set(VELTRO_APP_ID io.github.veltro.veltro)

# Compressed as Debian wants them: best compression, and no file name or time stamp, so the
# same sources give the same bytes.
function(veltro_gzip file)
  execute_process(COMMAND gzip -9n -c ${file} OUTPUT_FILE ${file}.gz COMMAND_ERROR_IS_FATAL ANY)
endfunction()

if(TARGET veltro)
  install(TARGETS veltro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET veltro-replay)
  install(TARGETS veltro-replay RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Manual pages, dated and versioned by the release. The uncompressed pages stay in the build
# tree, where `man ./veltro.1` reads them.
foreach(program veltro veltro-replay)
  if(TARGET ${program})
    configure_file(${CMAKE_SOURCE_DIR}/docs/man/${program}.1.in ${VELTRO_RELEASE_DIR}/${program}.1
                   @ONLY)
    veltro_gzip(${VELTRO_RELEASE_DIR}/${program}.1)
    install(FILES ${VELTRO_RELEASE_DIR}/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()

# The desktop entry, its icon and the metainfo, so the editor shows up in the application menu
# and in software centres. The name of the icon files must match the entry's Icon= key.
install(FILES ${VELTRO_PACKAGING_DIR}/${VELTRO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELTRO_PACKAGING_DIR}/veltro.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${VELTRO_PACKAGING_DIR}/veltro.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
configure_file(${VELTRO_PACKAGING_DIR}/${VELTRO_APP_ID}.metainfo.xml.in
               ${VELTRO_RELEASE_DIR}/${VELTRO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${VELTRO_RELEASE_DIR}/${VELTRO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The copyright file in Debian's machine-readable form, with the terms of LICENSE: the license
# text is written once.
file(READ ${CMAKE_SOURCE_DIR}/LICENSE license_text)
string(FIND "${license_text}" "Permission is hereby granted" terms_start)
if(terms_start LESS 0)
  message(FATAL_ERROR "LICENSE: the license terms were not found")
endif()
string(SUBSTRING "${license_text}" ${terms_start} -1 VELTRO_LICENSE_TERMS)
string(STRIP "${VELTRO_LICENSE_TERMS}" VELTRO_LICENSE_TERMS)
string(REPLACE "\n\n" "\n.\n" VELTRO_LICENSE_TERMS "${VELTRO_LICENSE_TERMS}")
string(REPLACE "\n" "\n " VELTRO_LICENSE_TERMS "${VELTRO_LICENSE_TERMS}")
configure_file(${VELTRO_PACKAGING_DIR}/copyright.in ${VELTRO_RELEASE_DIR}/copyright @ONLY)
configure_file(${VELTRO_PACKAGING_DIR}/changelog ${VELTRO_RELEASE_DIR}/changelog COPYONLY)
veltro_gzip(${VELTRO_RELEASE_DIR}/changelog)
install(FILES ${VELTRO_RELEASE_DIR}/copyright ${VELTRO_RELEASE_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The user guide keeps its relative links to the pictures.
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/docs/replay.md DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
foreach(pictures images screenshots)
  if(EXISTS ${CMAKE_SOURCE_DIR}/docs/${pictures})
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/${pictures} DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs
            FILES_MATCHING PATTERN "*.png")
  endif()
endforeach()

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
