garvo_add_core_test(tst_fuellogcore ${GARVO_TEST_DIR}/tst_fuellogcore.cpp)
garvo_add_test(tst_fuellogdialog ${GARVO_TEST_DIR}/tst_fuellogdialog.cpp)
garvo_add_test(tst_fuellogpage ${GARVO_TEST_DIR}/tst_fuellogpage.cpp)
