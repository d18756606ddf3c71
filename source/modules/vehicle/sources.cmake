list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/vehicleform.cpp
    ${GARVO_AREA_DIR}/vehiclerecords.cpp
)
list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/recordrows.cpp
    ${GARVO_AREA_DIR}/vehiclecontent.cpp
    ${GARVO_AREA_DIR}/vehiclecontentwidget.cpp
    ${GARVO_AREA_DIR}/vehicledetailswidget.cpp
    ${GARVO_AREA_DIR}/vehicledialog.cpp
    ${GARVO_AREA_DIR}/vehicleinfocontent.cpp
    ${GARVO_AREA_DIR}/vehicleinfowidget.cpp
    ${GARVO_AREA_DIR}/vehiclemodule.cpp
    ${GARVO_AREA_DIR}/vehiclesidebarwidget.cpp
)
