list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/acarreader.cpp
    ${GARVO_AREA_DIR}/csvreader.cpp
    ${GARVO_AREA_DIR}/drivvoreader.cpp
    ${GARVO_AREA_DIR}/exporter.cpp
    ${GARVO_AREA_DIR}/exportfiles.cpp
    ${GARVO_AREA_DIR}/fuelioreader.cpp
    ${GARVO_AREA_DIR}/fuellyreader.cpp
    ${GARVO_AREA_DIR}/garvoexportreader.cpp
    ${GARVO_AREA_DIR}/importbatch.cpp
    ${GARVO_AREA_DIR}/importer.cpp
    ${GARVO_AREA_DIR}/importreader.cpp
    ${GARVO_AREA_DIR}/importsupport.cpp
    ${GARVO_AREA_DIR}/lubeloggerreader.cpp
)
