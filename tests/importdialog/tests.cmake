garvo_add_test(tst_importdialog ${GARVO_TEST_DIR}/tst_importdialog.cpp)
