list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/garageemptymodule.cpp
    ${GARVO_AREA_DIR}/garagemodule.cpp
    ${GARVO_AREA_DIR}/vehicleinfomenu.cpp
    ${GARVO_AREA_DIR}/vehiclewidget.cpp
    ${GARVO_AREA_DIR}/vehiclewidgetlist.cpp
)
