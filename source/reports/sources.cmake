list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/fuelreport.cpp
    ${GARVO_AREA_DIR}/reportpagination.cpp
    ${GARVO_AREA_DIR}/reportperiod.cpp
    ${GARVO_AREA_DIR}/vehicleexpensecalculator.cpp
)
