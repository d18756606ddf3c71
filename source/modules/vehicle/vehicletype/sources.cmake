list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/vehicletypedialog.cpp
    ${GARVO_AREA_DIR}/vehicletypeitemwidget.cpp
    ${GARVO_AREA_DIR}/vehicletypelistdialog.cpp
    ${GARVO_AREA_DIR}/vehicletypemanagerwidget.cpp
)
