list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/servicecontent.cpp
    ${GARVO_AREA_DIR}/serviceitemdialog.cpp
    ${GARVO_AREA_DIR}/serviceitemlistedit.cpp
    ${GARVO_AREA_DIR}/sessiondetailswidget.cpp
    ${GARVO_AREA_DIR}/sessiondialog.cpp
    ${GARVO_AREA_DIR}/sessiontableview.cpp
)
