# The compiled-in resources (images, style sheet, texts) under ":/resource/".
#
# They are built as an object library whose object file goes straight into
# every program that links garvo_gui. Inside the static garvo_gui archive it
# would be dropped by the linker, since no code refers to it, and every
# program would have to call Q_INIT_RESOURCE itself.
add_library(garvo_resources OBJECT ${GARVO_AREA_DIR}/resources.qrc)
target_link_libraries(garvo_resources PRIVATE Qt5::Core)
# The top-level list adds its objects to garvo_gui's interface once that target exists.
