list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/zipfile.cpp
)
