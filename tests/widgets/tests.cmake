garvo_add_test(tst_wizard ${GARVO_TEST_DIR}/tst_wizard.cpp)
