list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/editodometerentry.cpp
    ${GARVO_AREA_DIR}/odometerlogdelegate.cpp
    ${GARVO_AREA_DIR}/odometerlogtableview.cpp
    ${GARVO_AREA_DIR}/updateodometerdialog.cpp
)
