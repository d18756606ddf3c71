list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/startup.cpp
    ${GARVO_AREA_DIR}/aboutdialog.cpp
    ${GARVO_AREA_DIR}/module.cpp
    ${GARVO_AREA_DIR}/modulecontainer.cpp
    ${GARVO_AREA_DIR}/appmw.cpp
    ${GARVO_AREA_DIR}/applicationicon.cpp
    ${GARVO_AREA_DIR}/components.cpp
    ${GARVO_AREA_DIR}/footerinfowidget.cpp
    ${GARVO_AREA_DIR}/garagebutton.cpp
    ${GARVO_AREA_DIR}/garvomenu.cpp
    ${GARVO_AREA_DIR}/headerwidget.cpp
    ${GARVO_AREA_DIR}/helpmenu.cpp
    ${GARVO_AREA_DIR}/mainwindow.cpp
    ${GARVO_AREA_DIR}/optionsmenu.cpp
    ${GARVO_AREA_DIR}/sidebar.cpp
    ${GARVO_AREA_DIR}/toolbar.cpp
    ${GARVO_AREA_DIR}/toolbarwidget.cpp
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
# The version comes from project() alone; only the start-up code needs it.
set_source_files_properties(${GARVO_AREA_DIR}/startup.cpp PROPERTIES
    COMPILE_DEFINITIONS GARVO_VERSION="${PROJECT_VERSION}")
