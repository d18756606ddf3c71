garvo_add_test(tst_wizard ${GARVO_TEST_DIR}/tst_wizard.cpp)
garvo_add_test(tst_commonwidgets ${GARVO_TEST_DIR}/tst_commonwidgets.cpp)
