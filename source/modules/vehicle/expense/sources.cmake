list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/expensecontent.cpp
    ${GARVO_AREA_DIR}/expensedetailswidget.cpp
    ${GARVO_AREA_DIR}/expensedialog.cpp
    ${GARVO_AREA_DIR}/expensetableview.cpp
)
