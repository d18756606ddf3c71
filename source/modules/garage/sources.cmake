list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/garageemptymodule.cpp
    ${GARVO_AREA_DIR}/garagemodule.cpp
)
