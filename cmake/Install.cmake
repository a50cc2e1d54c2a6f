# Installation (cmake --install) and the Debian package (cpack -G DEB).
#
# Installed: the program and the command-line tool, the desktop entry, the
# icon and the AppStream metainfo under the one application id.
include(GNUInstallDirs)

set(QUILLMARK_APP_ID "org.quillmark.Quillmark")
set(desktop_dir "${PROJECT_SOURCE_DIR}/data/desktop")
configure_file("${desktop_dir}/${QUILLMARK_APP_ID}.metainfo.xml.in"
               "${PROJECT_BINARY_DIR}/${QUILLMARK_APP_ID}.metainfo.xml" @ONLY)

install(TARGETS quillmark quillmark-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${desktop_dir}/${QUILLMARK_APP_ID}.desktop" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${desktop_dir}/${QUILLMARK_APP_ID}.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES "${PROJECT_BINARY_DIR}/${QUILLMARK_APP_ID}.metainfo.xml" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(QUILLMARK_PACKAGE_CONTACT "Quillmark maintainers" CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${QUILLMARK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "character organiser for Grim Dawn")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmark reads the character saves of the game Grim Dawn and lists every\n"
    "character in one sortable table, with each one's equipment and a note of\n"
    "your own, a general notes editor, web links and specialised collections.\n"
    "quillmark-cli lists a save folder without a window.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${QUILLMARK_BUILD_NUMBER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Depends: the packages of the shared libraries the binaries load (Qt, Enchant,
# LZ4 ...), as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Enchant checks spelling only with a dictionary; without one the built-in
# word list serves.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-en-us")
include(CPack)
