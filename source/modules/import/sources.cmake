list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/exportdialog.cpp
    ${GARVO_AREA_DIR}/importactions.cpp
    ${GARVO_AREA_DIR}/importdialog.cpp
)
