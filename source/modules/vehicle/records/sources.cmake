list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/recordcontent.cpp
    ${GARVO_AREA_DIR}/recorddelegate.cpp
    ${GARVO_AREA_DIR}/recorddetailswidget.cpp
    ${GARVO_AREA_DIR}/recordkind.cpp
    ${GARVO_AREA_DIR}/recordtableview.cpp
)
