list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/version.cpp
    ${GARVO_AREA_DIR}/updater.cpp
    ${GARVO_AREA_DIR}/updateserver.cpp
)
list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/garvoupdater.cpp
    ${GARVO_AREA_DIR}/updatepackage.cpp
    ${GARVO_AREA_DIR}/dialog/updatedialog.cpp
)
