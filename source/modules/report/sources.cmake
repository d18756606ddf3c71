list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/printing.cpp
    ${GARVO_AREA_DIR}/printmenu.cpp
    ${GARVO_AREA_DIR}/reportlistwidget.cpp
    ${GARVO_AREA_DIR}/reportmodule.cpp
    ${GARVO_AREA_DIR}/reportrenderer.cpp
)
