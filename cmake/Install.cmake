# SPDX-License-Identifier: MIT
# Install layout and the Debian package.
#
#   PREFIX/lib/hexacle/HexacleFree       the program, which reads pics/ beside itself
#   PREFIX/lib/hexacle/pics/*.gif        the coin faces
#   PREFIX/bin/hexacle                   relative symlink to the program; Qt finds the
#                                        program's folder through /proc/self/exe, so the
#                                        link resolves to lib/hexacle
#   PREFIX/share/applications, share/icons/hicolor, share/metainfo
#                                        desktop entry, icon and AppStream data
#   PREFIX/share/man/man1/hexacle.1.gz   the manual page
#   PREFIX/share/doc/hexacle/copyright, changelog.gz
#                                        licence terms and history, as Debian
#                                        expects them of a native package

include(GNUInstallDirs)

set(HEXACLE_APP_ID org.hexacle.Hexacle)
set(HEXACLE_PROGRAM_DIR lib/hexacle)

install(TARGETS HexacleFree RUNTIME DESTINATION ${HEXACLE_PROGRAM_DIR})
foreach(pic IN LISTS HEXACLE_PICS)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/pics/${pic} DESTINATION ${HEXACLE_PROGRAM_DIR}/pics)
endforeach()

# The launcher link is made in the build tree and installed as a link.
set(HEXACLE_LAUNCHER ${PROJECT_BINARY_DIR}/packaging/hexacle)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/packaging)
file(CREATE_LINK ../${HEXACLE_PROGRAM_DIR}/HexacleFree ${HEXACLE_LAUNCHER} SYMBOLIC)
install(FILES ${HEXACLE_LAUNCHER} DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${HEXACLE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(${PROJECT_SOURCE_DIR}/packaging/${HEXACLE_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/packaging/${HEXACLE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${HEXACLE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(HEXACLE_ICON_SIZES 16 32 48 64 128 256)
foreach(size IN LISTS HEXACLE_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/${size}x${size}/${HEXACLE_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/${HEXACLE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual page and the changelog are installed compressed the way Debian
# does it: maximal compression, and no file name or time stamp in the header,
# so that the same source gives the same bytes.
find_program(HEXACLE_GZIP gzip REQUIRED)
set(HEXACLE_COMPRESSED)
# The manual page names the version of project().
configure_file(${PROJECT_SOURCE_DIR}/packaging/hexacle.1.in
               ${PROJECT_BINARY_DIR}/packaging/configured/hexacle.1 @ONLY)
foreach(source IN ITEMS ${PROJECT_BINARY_DIR}/packaging/configured/hexacle.1
                        ${PROJECT_SOURCE_DIR}/packaging/changelog)
    get_filename_component(doc ${source} NAME)
    set(copy ${PROJECT_BINARY_DIR}/packaging/${doc})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND ${HEXACLE_GZIP} -9nf ${copy}
        DEPENDS ${source}
        COMMENT "Compressing ${doc}"
        VERBATIM)
    list(APPEND HEXACLE_COMPRESSED ${copy}.gz)
endforeach()
add_custom_target(hexacle_docs ALL DEPENDS ${HEXACLE_COMPRESSED})
install(FILES ${PROJECT_BINARY_DIR}/packaging/hexacle.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(HEXACLE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/hexacle)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${HEXACLE_DOC_DIR})

if(BUILD_TESTING)
    # Installs this build into a temporary prefix and starts the installed
    # program under Xvfb far enough to see it read its coin pictures.
    add_test(NAME install_tree
             COMMAND ${PROJECT_SOURCE_DIR}/tests/install/check_install.sh ${PROJECT_BINARY_DIR})
    set_tests_properties(install_tree PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)
    # Builds the .deb and has Debian's package checker judge it; skipped
    # where lintian cannot be had.
    add_test(NAME package_deb
             COMMAND ${PROJECT_SOURCE_DIR}/tests/install/check_package.sh
                     ${PROJECT_BINARY_DIR} ${CMAKE_CPACK_COMMAND} ${PROJECT_VERSION})
    set_tests_properties(package_deb PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hexacle)
set(CPACK_PACKAGE_VENDOR Hexacle)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "I Ching readings by the three-coin method")
set(CPACK_PACKAGE_DESCRIPTION
    "Hexacle casts a hexagram with three coins, six tosses, draws the hexagram\n"
    "and the one its changing lines turn into, and shows the judgement and image\n"
    "of the cast hexagram from a built-in catalogue of all 64.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Hexacle maintainers <maintainers@hexacle.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The platform plugin and the font are loaded at run time, so no library
# dependency names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
find_program(HEXACLE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(HEXACLE_DPKG_SHLIBDEPS)
    # Adds the libraries with the versions the program was linked against.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6core6, libqt6gui6, libqt6widgets6, ")
endif()
set(CPACK_STRIP_FILES ON)
include(CPack)
