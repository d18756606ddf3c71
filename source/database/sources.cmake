list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/database.cpp
    ${GARVO_AREA_DIR}/settings.cpp
    ${GARVO_AREA_DIR}/storage.cpp
    ${GARVO_AREA_DIR}/table.cpp
    ${GARVO_AREA_DIR}/tablesettings.cpp
    ${GARVO_AREA_DIR}/transaction.cpp
)
