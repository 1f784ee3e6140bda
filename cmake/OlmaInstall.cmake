# Installation in the usual Linux layout (bin/, share/olma/ with the data folder the program
# finds from bin/ as ../share/olma, the desktop entry, icons, AppStream data, manual pages, the
# bash completion, the licence) and a Debian package of it made by CPack ("cpack -G DEB" in the
# build folder, or the "package" target).
include(GNUInstallDirs)

set(OLMA_DIST_DIR "${PROJECT_SOURCE_DIR}/dist/linux")
set(OLMA_GENERATED_DIST "${CMAKE_BINARY_DIR}/dist")

install(TARGETS olma-configurator olma-cli RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# Only what the build put there: an archive a run from the build folder left behind stays out.
install(DIRECTORY "${OLMA_DATA_DIR}/" DESTINATION "${CMAKE_INSTALL_DATADIR}/olma"
    PATTERN "*.sqlite*" EXCLUDE)

install(FILES "${OLMA_DIST_DIR}/olma-configurator.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
configure_file("${OLMA_DIST_DIR}/olma-configurator.metainfo.xml" "${OLMA_GENERATED_DIST}/olma-configurator.metainfo.xml" @ONLY)
install(FILES "${OLMA_GENERATED_DIST}/olma-configurator.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${OLMA_DIST_DIR}/olma-cli.bash" DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions"
    RENAME olma-cli)
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" "${PROJECT_SOURCE_DIR}/README.md"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/olma")

# The icon for the desktop's theme: the drawing as SVG, and bitmaps drawn by tools/make-icon.
set(OLMA_ICON_THEME "${OLMA_GENERATED_DIST}/icons/hicolor")
install(FILES "${OLMA_DIST_DIR}/olma-configurator.svg" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
set(pngs)
foreach(size IN ITEMS 16 24 32 48 64 128 256)
    set(png "${OLMA_ICON_THEME}/${size}x${size}/apps/olma-configurator.png")
    add_custom_command(OUTPUT "${png}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${OLMA_ICON_THEME}/${size}x${size}/apps"
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:make-icon> --png ${size} "${png}"
        DEPENDS make-icon
        COMMENT "Drawing the ${size}x${size} icon")
    list(APPEND pngs "${png}")
endforeach()

# Manual pages, written from the programs' own "--help".
set(OLMA_MAN_DIR "${OLMA_GENERATED_DIST}/man")
set(OLMA_MAN_CLI "${OLMA_MAN_DIR}/olma-cli.1")
set(OLMA_MAN_GUI "${OLMA_MAN_DIR}/olma-configurator.1")
add_custom_command(OUTPUT "${OLMA_MAN_CLI}"
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:olma-cli> -DNAME=olma-cli
            "-DSUMMARY=configure, read and watch Olma-Ex panels from the command line"
            -DVERSION=${PROJECT_VERSION} -DSUBCOMMANDS=ON "-DOUTPUT=${OLMA_MAN_CLI}"
            -P "${PROJECT_SOURCE_DIR}/cmake/OlmaManPage.cmake"
    DEPENDS olma-cli "${PROJECT_SOURCE_DIR}/cmake/OlmaManPage.cmake"
    COMMENT "Writing the olma-cli manual page")
add_custom_command(OUTPUT "${OLMA_MAN_GUI}"
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:olma-configurator> -DNAME=olma-configurator
            "-DSUMMARY=the configurator of Olma-Ex fire and security alarm control panels"
            -DVERSION=${PROJECT_VERSION} "-DOUTPUT=${OLMA_MAN_GUI}"
            -P "${PROJECT_SOURCE_DIR}/cmake/OlmaManPage.cmake"
    DEPENDS olma-configurator "${PROJECT_SOURCE_DIR}/cmake/OlmaManPage.cmake"
    COMMENT "Writing the olma-configurator manual page")
add_custom_target(olma-dist ALL DEPENDS ${pngs} "${OLMA_MAN_CLI}" "${OLMA_MAN_GUI}")
install(DIRECTORY "${OLMA_GENERATED_DIST}/icons/" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons")
install(FILES "${OLMA_MAN_CLI}" "${OLMA_MAN_GUI}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

# The Debian package. dpkg-shlibdeps finds the libraries the executables link; the Qt plugins
# they load at run time (the window system, the archive's SQL drivers) are named by hand.
set(CPACK_PACKAGE_NAME olma)
set(CPACK_PACKAGE_VENDOR "Olma")
set(CPACK_PACKAGE_CONTACT "Olma developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configurator of Olma-Ex fire and security alarm control panels")
set(CPACK_PACKAGE_DESCRIPTION "Reads, edits and writes the configuration of Olma-4Ex, Olma-8Ex and \
Olma-16Ex panels over a serial port, reads their event log, watches their state and uploads \
firmware; with the command-line tool olma-cli for the same work without a window.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, libqt6sql6-psql")
# Qt's own words of the standard dialogs and buttons, in Russian and in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_GENERATOR DEB)
include(CPack)
