list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/startup.cpp
    ${GARVO_AREA_DIR}/module.cpp
    ${GARVO_AREA_DIR}/modulecontainer.cpp
)
list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/configuration.cpp
    ${GARVO_AREA_DIR}/commandline.cpp
)
list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/qtsingleapplication.cpp
    ${GARVO_AREA_DIR}/trayicon.cpp
    ${GARVO_AREA_DIR}/framework.cpp
)
