list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/animationlabel.cpp
    ${GARVO_AREA_DIR}/bigtoolbutton.cpp
    ${GARVO_AREA_DIR}/descriptionboxitemwidget.cpp
    ${GARVO_AREA_DIR}/descriptionboxwidget.cpp
    ${GARVO_AREA_DIR}/dialog.cpp
    ${GARVO_AREA_DIR}/elidedlabel.cpp
    ${GARVO_AREA_DIR}/entrydialog.cpp
    ${GARVO_AREA_DIR}/gallerywidget.cpp
    ${GARVO_AREA_DIR}/groupbox.cpp
    ${GARVO_AREA_DIR}/noticebar.cpp
    ${GARVO_AREA_DIR}/numberedit.cpp
    ${GARVO_AREA_DIR}/scrollwidget.cpp
    ${GARVO_AREA_DIR}/separatorwidget.cpp
    ${GARVO_AREA_DIR}/widgetwithbackground.cpp
)
list(APPEND GARVO_GUI_SOURCES
    ${GARVO_AREA_DIR}/wizarddialog.cpp
    ${GARVO_AREA_DIR}/wizardsidebar.cpp
    ${GARVO_AREA_DIR}/wizardtab.cpp
)
