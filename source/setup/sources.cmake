list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/applicationfinishwizardtab.cpp
    ${GARVO_AREA_DIR}/applicationsetupwizarddialog.cpp
    ${GARVO_AREA_DIR}/currencywizardtab.cpp
    ${GARVO_AREA_DIR}/fuelefficiencywizardtab.cpp
    ${GARVO_AREA_DIR}/setupwizardtab.cpp
    ${GARVO_AREA_DIR}/volumeunitswizardtab.cpp
)
