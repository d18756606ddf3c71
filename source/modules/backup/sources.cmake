list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/backupactions.cpp
    ${GARVO_AREA_DIR}/restorebackupdialog.cpp
)
