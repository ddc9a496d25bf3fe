# Installation and the Debian package.
#   cmake --install build            the programs, the desktop entry and the icon under the prefix
#   (cd build && cpack)              build/zetra_<version>_<arch>.deb
include(GNUInstallDirs)

install(TARGETS zetra zetra-cli zetra-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zetra.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zetra.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Examples of a scheduled poll into the meter store, one timer per port or pipe.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zetra-sync@.service ${CMAKE_CURRENT_LIST_DIR}/zetra-sync@.timer
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zetra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ZETRA service program maintainers <maintainers@users.noreply.c-seed-9dea77a3.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Service program for the ZETRA ultrasonic flowmeter")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the meter's live values and archives, reads and writes its settings and clock,\nreprograms its firmware; with a command-line twin and a simulated meter.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zetra)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # zetra_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The Qt libraries the programs link come from dpkg-shlibdeps; what they load at run time is
# named here: Qt's Russian texts for the standard dialogs, the platform plugins that show
# the window, and the SQL drivers of the meter store (SQLite; PostgreSQL for a shared store).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, qt6-qpa-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")
include(CPack)
