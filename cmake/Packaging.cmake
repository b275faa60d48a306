# Desktop metadata, manual page and the Debian package (cpack -G DEB). `cmake --install` stays the
# one description of the installed layout; the package is that layout under /usr.

set(CLAVORA_APP_ID io.github.clavora.Clavora)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${CLAVORA_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/clavora.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${CLAVORA_APP_ID}.svg)
install(FILES ${packaging}/${CLAVORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants manual pages and changelogs compressed, reproducibly (no name, no time stamp).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed_man ${CMAKE_BINARY_DIR}/packaging/clavora.1.gz)
set(compressed_changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${compressed_man} ${compressed_changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND ${GZIP_PROGRAM} -9nc ${packaging}/clavora.1 > ${compressed_man}
    COMMAND ${GZIP_PROGRAM} -9nc ${packaging}/changelog > ${compressed_changelog}
    DEPENDS ${packaging}/clavora.1 ${packaging}/changelog VERBATIM)
add_custom_target(clavora_packaging_files ALL DEPENDS ${compressed_man} ${compressed_changelog})
install(FILES ${compressed_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${compressed_changelog} ${packaging}/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/clavora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME clavora)
set(CPACK_PACKAGE_VENDOR "The Clavora developers")
set(CPACK_PACKAGE_CONTACT "The Clavora developers <maintainers@clavora.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "touch-typing tutor with lessons, tests and games")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://clavora.github.io/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads these at run time, so no linked library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core")
set(CPACK_PACKAGE_DESCRIPTION "Clavora teaches touch typing step by step. A short skill test finds the
starting point, then 28 lessons lead from the home row to the numeric keypad
while an on-screen keyboard shows the next key and the finger that presses it.

Practice texts, timed speed tests, three typing games and audio dictations
add variety; awards, progress charts, daily reports and a course certificate
track the progress of each learner.")
include(CPack)
