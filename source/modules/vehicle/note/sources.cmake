list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/notedetailswidget.cpp
    ${GARVO_AREA_DIR}/notedialog.cpp
    ${GARVO_AREA_DIR}/notescontent.cpp
    ${GARVO_AREA_DIR}/notetableview.cpp
)
