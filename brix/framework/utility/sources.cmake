list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/clock.cpp
    ${GARVO_AREA_DIR}/deferredcall.cpp
    ${GARVO_AREA_DIR}/numbertext.cpp
)
list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/prompt.cpp
)
list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/utility.cpp
)
list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/message.cpp
)
# The update channel: version requests and downloads.
list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/networkaccess.cpp
    ${GARVO_AREA_DIR}/siteconnection.cpp
)
list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/filedownloader.cpp
)
