# Installing Kombora (cmake --install) and the Debian package (cpack -G DEB).
#
# Linux layout below the prefix: bin/kombora and bin/kombora-cli, the help pages in
# share/kombora/help (the program looks there when no help folder lies beside it), the desktop
# entry, icons and AppStream metainfo where desktops look for them, and the documents in
# share/doc/kombora. On Windows everything stays beside the program.
include(GNUInstallDirs)

set(KOMBORA_APP_ID org.kombora.Kombora)
set(KOMBORA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging/linux)
if(WIN32)
    set(KOMBORA_HELP_INSTALL_DIR ${CMAKE_INSTALL_BINDIR}/help)
    set(KOMBORA_DOC_INSTALL_DIR ${CMAKE_INSTALL_BINDIR})
else()
    set(KOMBORA_HELP_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/kombora/help)
    set(KOMBORA_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/doc/kombora)
endif()

install(TARGETS kombora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(TARGET kombora)
    install(TARGETS kombora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # The pages with the help collection the build makes from them (kombora.qhc, .qch).
    install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help/
        DESTINATION ${KOMBORA_HELP_INSTALL_DIR})
    if(UNIX AND NOT APPLE)
        install(FILES ${KOMBORA_PACKAGING_DIR}/${KOMBORA_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
        install(FILES ${KOMBORA_PACKAGING_DIR}/${KOMBORA_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
        install(FILES ${KOMBORA_PACKAGING_DIR}/${KOMBORA_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
        foreach(size 16 32 48 64 128 256)
            install(FILES ${KOMBORA_PACKAGING_DIR}/kombora-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${KOMBORA_APP_ID}.png)
        endforeach()
    endif()
endif()

# The project itself carries no licence file; the one licence in the tree belongs to the
# design data taken from a published collection and goes with every installation.
install(FILES ${PROJECT_SOURCE_DIR}/README.md
    ${PROJECT_SOURCE_DIR}/data/designs/LICENSE-known-coverings
    DESTINATION ${KOMBORA_DOC_INSTALL_DIR})

# The Debian package: its dependencies are worked out from the libraries the programs link
# (dpkg-shlibdeps); the Qt platform plugins are loaded at run time and named by hand.
set(KOMBORA_PACKAGE_MAINTAINER "Kombora maintainers <kombora@localhost>" CACHE STRING
    "Maintainer named in the Debian package")
set(CPACK_PACKAGE_NAME kombora)
set(CPACK_PACKAGE_VENDOR "Kombora")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Find lottery systems, form tip rows and test their guarantee")
set(CPACK_PACKAGE_DESCRIPTION
    "Kombora finds the lottery system with the fewest tip rows for a guarantee, maps it onto\n"
    "the player's numbers and evaluates every possible draw.")
set(CPACK_PACKAGE_CONTACT ${KOMBORA_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET kombora)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
if(NOT CPACK_GENERATOR)
    set(CPACK_GENERATOR DEB)
endif()
include(CPack)
