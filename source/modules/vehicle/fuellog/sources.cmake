list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/fuelefficiency.cpp
)
list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/fuellogcontent.cpp
    ${GARVO_AREA_DIR}/fuellogdelegate.cpp
    ${GARVO_AREA_DIR}/fuellogdialog.cpp
    ${GARVO_AREA_DIR}/fuellogtableview.cpp
    ${GARVO_AREA_DIR}/nofuellogcontent.cpp
)
