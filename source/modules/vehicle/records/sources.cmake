list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/recorddelegate.cpp
    ${GARVO_AREA_DIR}/recordtableview.cpp
)
