# Desktop integration: the menu entry, the application icon in the hicolor
# theme and the AppStream metadata, installed beside the program.
set(GARVO_APP_ID example.kestrelrow.garvo)
set(GARVO_DESKTOP_DIR ${CMAKE_CURRENT_LIST_DIR})
set(GARVO_DESKTOP_BUILD_DIR ${CMAKE_BINARY_DIR}/desktop)

configure_file(${GARVO_DESKTOP_DIR}/${GARVO_APP_ID}.metainfo.xml.in
               ${GARVO_DESKTOP_BUILD_DIR}/${GARVO_APP_ID}.metainfo.xml @ONLY)

# The entry starts the program by its installed path, which is known only
# when installing: `cmake --install --prefix` may choose another prefix.
install(CODE "
    set(GARVO_EXEC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/garvo\")
    configure_file(\"${GARVO_DESKTOP_DIR}/${GARVO_APP_ID}.desktop.in\"
                   \"${GARVO_DESKTOP_BUILD_DIR}/${GARVO_APP_ID}.desktop\" @ONLY)
")
install(FILES ${GARVO_DESKTOP_BUILD_DIR}/${GARVO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${GARVO_DESKTOP_BUILD_DIR}/${GARVO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${GARVO_DESKTOP_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
