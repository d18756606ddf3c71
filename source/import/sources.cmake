list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/csvreader.cpp
    ${GARVO_AREA_DIR}/exporter.cpp
    ${GARVO_AREA_DIR}/importbatch.cpp
    ${GARVO_AREA_DIR}/importer.cpp
    ${GARVO_AREA_DIR}/importreader.cpp
)
