list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/fuelefficiency.cpp
    ${GARVO_AREA_DIR}/fuelnumber.cpp
)
