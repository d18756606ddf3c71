list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/retranslatehook.cpp
    ${GARVO_AREA_DIR}/units.cpp
)
list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/currencycombobox.cpp
    ${GARVO_AREA_DIR}/currencygroupbox.cpp
    ${GARVO_AREA_DIR}/fuelsettingsgroupbox.cpp
)
list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/autoupdategroupbox.cpp
    ${GARVO_AREA_DIR}/optionsdialog.cpp
)
