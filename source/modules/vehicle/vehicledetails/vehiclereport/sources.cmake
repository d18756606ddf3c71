list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/customperiodfilterdialog.cpp
    ${GARVO_AREA_DIR}/periodfiltercombobox.cpp
    ${GARVO_AREA_DIR}/reportchartstyle.cpp
    ${GARVO_AREA_DIR}/reportcontent.cpp
    ${GARVO_AREA_DIR}/reportfooter.cpp
    ${GARVO_AREA_DIR}/vehiclecostreportcontent.cpp
    ${GARVO_AREA_DIR}/vehicleexpenseschart.cpp
    ${GARVO_AREA_DIR}/vehicleexpensestable.cpp
    ${GARVO_AREA_DIR}/vehiclefuelchart.cpp
    ${GARVO_AREA_DIR}/vehiclefuelreportcontent.cpp
)
