# What `cmake --install` puts under the prefix: the game, the data it reads, and what desktops need to
# list it. Nothing else of the build (tools, tests, libraries) is installed.
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
set(game_data ${CMAKE_INSTALL_DATADIR}/petalgame32)
set(game_doc ${CMAKE_INSTALL_DATAROOTDIR}/doc/petalgame32)

install(TARGETS petalgame32 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PETALGAME_WALLPAPERS} DESTINATION ${game_data})
install(FILES ${PETALGAME_SOUNDS} DESTINATION ${game_data}/sounds)

configure_file(packaging/petalgame32.desktop.in ${packaging_out}/${PETALGAME_APP_ID}.desktop @ONLY)
install(FILES ${packaging_out}/${PETALGAME_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(packaging/petalgame32.metainfo.xml.in ${packaging_out}/${PETALGAME_APP_ID}.metainfo.xml @ONLY)
install(FILES ${packaging_out}/${PETALGAME_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES assets/pictures/icon.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${PETALGAME_APP_ID}.svg)
install(DIRECTORY ${PETALGAME_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The man page and the changelog go in gzipped, as Debian expects; -n leaves out the name and time, so
# the same sources give the same bytes.
find_program(GZIP gzip REQUIRED)
set(gzipped)
foreach(file petalgame32.6 changelog)
  add_custom_command(
    OUTPUT ${packaging_out}/${file}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/${file} ${packaging_out}/${file}
    COMMAND ${GZIP} -9nf ${packaging_out}/${file}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${file}
    COMMENT "Compressing ${file}"
    VERBATIM)
  list(APPEND gzipped ${packaging_out}/${file}.gz)
endforeach()
add_custom_target(petalgame32-gzipped-docs ALL DEPENDS ${gzipped})
install(FILES ${packaging_out}/petalgame32.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/copyright ${packaging_out}/changelog.gz DESTINATION ${game_doc})
