# Installation and the Debian package.
#   cmake --install build            the programs, their manual pages, the bash completion of
#                                    zetra-cli, the desktop entry, the icon and the package's
#                                    copyright and changelog under the prefix
#   (cd build && cpack)              build/zetra_<version>_<arch>.deb, the programs stripped
include(GNUInstallDirs)

install(TARGETS zetra zetra-cli zetra-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zetra.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zetra.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Examples of a scheduled poll into the meter store, one timer per port or pipe.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zetra-sync@.service ${CMAKE_CURRENT_LIST_DIR}/zetra-sync@.timer
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

# The documents made from the built programs: each manual page by help2man from the program's
# English --help and --version, with the sections of packaging/man/<program>.h2m added; the
# bash completion from zetra-cli's own tables of commands and options; the changelog compressed
# as Debian keeps it. Running the programs here needs no display.
set(docs ${CMAKE_BINARY_DIR}/docs)
find_program(HELP2MAN help2man)
find_program(GZIP gzip REQUIRED)
set(doc_outputs)
if(HELP2MAN)
    foreach(program zetra zetra-cli zetra-sim)
        set(page ${docs}/${program}.1)
        # zetra-sim speaks English only; the others are asked for their English texts.
        set(help_option "--lang=en --help")
        if(program STREQUAL "zetra-sim")
            set(help_option "--help")
        endif()
        add_custom_command(
            OUTPUT ${page}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${docs}
            COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
                    ${HELP2MAN} --no-info --section=1 "--help-option=${help_option}"
                    --version-option=--version
                    --include=${CMAKE_CURRENT_LIST_DIR}/man/${program}.h2m
                    --output=${page} $<TARGET_FILE:${program}>
            COMMAND sed -i -f ${CMAKE_CURRENT_LIST_DIR}/man/sections.sed ${page}
            COMMAND ${GZIP} -9nf ${page}
            DEPENDS ${program} ${CMAKE_CURRENT_LIST_DIR}/man/${program}.h2m
                    ${CMAKE_CURRENT_LIST_DIR}/man/sections.sed
            COMMENT "Manual page ${program}.1"
            VERBATIM)
        list(APPEND doc_outputs ${page}.gz)
        install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endforeach()
else()
    message(WARNING "help2man is not installed (scripts/setup.sh installs it): the manual pages "
                    "are not made, and the package would lack them")
endif()

add_custom_command(
    OUTPUT ${docs}/zetra-cli.bash
    COMMAND ${CMAKE_COMMAND} -E make_directory ${docs}
    COMMAND $<TARGET_FILE:zetra-cli> --bash-completion > ${docs}/zetra-cli.bash
    DEPENDS zetra-cli
    COMMENT "Bash completion of zetra-cli")
list(APPEND doc_outputs ${docs}/zetra-cli.bash)
install(FILES ${docs}/zetra-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME zetra-cli)

# The changelog's newest entry must be this version's.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^zetra \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog starts with '${changelog_head}': "
                        "add an entry for version ${PROJECT_VERSION}")
endif()
add_custom_command(
    OUTPUT ${docs}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${docs}
    COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog > ${docs}/changelog.gz
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
    COMMENT "Package changelog")
list(APPEND doc_outputs ${docs}/changelog.gz)
add_custom_target(docs ALL DEPENDS ${doc_outputs})
install(FILES ${docs}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zetra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ZETRA service program maintainers <maintainers@users.noreply.c-seed-9dea77a3.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Service program for the ZETRA ultrasonic flowmeter")
# The extended description: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the meter's live values and archives, reads and writes its settings\n\
and clock, reprograms its firmware; with a command-line twin and a simulated\n\
meter.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zetra)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # zetra_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_STRIP_FILES ON)
# The Qt libraries the programs link come from dpkg-shlibdeps; what they load at run time is
# named here: Qt's Russian texts for the standard dialogs, the platform plugins that show the
# window, the SVG plugins that draw its icon, and the SQL drivers of the meter store (SQLite;
# PostgreSQL for a shared store).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-translations-l10n, qt6-qpa-plugins, libqt6svg6, libqt6sql6-sqlite, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")
include(CPack)
