list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/currency.cpp
)
