list(APPEND GARVO_CORE_SOURCES
    ${GARVO_AREA_DIR}/schedulereminders.cpp
    ${GARVO_AREA_DIR}/servicescheduleform.cpp
)
list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/schedulereminderbar.cpp
    ${GARVO_AREA_DIR}/serviceschedulecontent.cpp
    ${GARVO_AREA_DIR}/servicescheduledelegate.cpp
    ${GARVO_AREA_DIR}/servicescheduledialog.cpp
    ${GARVO_AREA_DIR}/servicescheduletableview.cpp
)
