list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/drivingconditions.cpp
    ${GARVO_AREA_DIR}/fuelsystem.cpp
    ${GARVO_AREA_DIR}/newvehicle.cpp
    ${GARVO_AREA_DIR}/odometerunit.cpp
)
list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/descriptionwizardtab.cpp
    ${GARVO_AREA_DIR}/drivingconditionboxes.cpp
    ${GARVO_AREA_DIR}/finishwizardtab.cpp
    ${GARVO_AREA_DIR}/fuelsystemwizardtab.cpp
    ${GARVO_AREA_DIR}/licenseplatewizardtab.cpp
    ${GARVO_AREA_DIR}/newvehiclewizarddialog.cpp
    ${GARVO_AREA_DIR}/newvehiclewizardtab.cpp
    ${GARVO_AREA_DIR}/odometerwizardtab.cpp
    ${GARVO_AREA_DIR}/vehicledetailswizardtab.cpp
)
