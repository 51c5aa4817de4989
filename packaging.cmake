# Installing under a prefix (/usr in the Debian package): the program, its help pages, desktop
# entry, AppStream metainfo, icons and Debian documents; the catalogs install from po/.
# `cpack -G DEB` in the build folder makes velmora_<version>_amd64.deb of them.
set(APP_ID org.velmora.velmora)
# Games go to <prefix>/games, which Debian's PATH holds.
install(TARGETS velmora RUNTIME DESTINATION games)
# A stripped install (cpack, `cmake --install --strip`) also drops the sections Debian's strip
# drops, the compiler's .comment and .note, which nothing reads at run time.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                            --remove-section=.comment --remove-section=.note
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/velmora\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(DIRECTORY resources/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora/help)
install(FILES resources/desktop/${APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/${APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/resources/art/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The package's copyright and changelog, as Debian keeps them for every package.
set(CHANGELOG_GZ ${CMAKE_BINARY_DIR}/package/changelog.gz)
add_custom_command(OUTPUT ${CHANGELOG_GZ}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/package
  COMMAND gzip -n -9 -c ${CMAKE_SOURCE_DIR}/resources/package/changelog > ${CHANGELOG_GZ}
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/package/changelog)
add_custom_target(velmora_changelog ALL DEPENDS ${CHANGELOG_GZ})
install(FILES resources/package/copyright ${CHANGELOG_GZ}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora)

# The manual page of every program installed, compressed as Debian keeps them.
set(MANUAL_PAGE_GZ ${CMAKE_BINARY_DIR}/package/velmora.6.gz)
add_custom_command(OUTPUT ${MANUAL_PAGE_GZ}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/package
  COMMAND gzip -n -9 -c ${CMAKE_SOURCE_DIR}/resources/package/velmora.6 > ${MANUAL_PAGE_GZ}
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/package/velmora.6)
add_custom_target(velmora_manual_page ALL DEPENDS ${MANUAL_PAGE_GZ})
install(FILES ${MANUAL_PAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The VELMORA developers")
set(CPACK_PACKAGE_CONTACT "The VELMORA developers <developers@velmora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "jigsaw puzzle game with seven pictures")
# The long description as paragraphs of lines; CPack puts the space before each line that the
# control file needs (a line of its own that begins with a space would be shown as it stands).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "VELMORA is a jigsaw puzzle game for the desktop.
Each puzzle starts as a heap of pieces scattered and turned on a large board:
pick them up, turn them and fit them together with the mouse, then keep the
finished picture as a file or as the desktop wallpaper. Besides the seven
pictures carried inside the program, any picture of your own becomes a puzzle
of 12 to 1,000 pieces, and the game in progress is kept from one start to the
next. The game speaks English and Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velmora.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
