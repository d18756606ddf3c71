list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/animationlabel.cpp
    ${GARVO_AREA_DIR}/dialog.cpp
    ${GARVO_AREA_DIR}/groupbox.cpp
)
