garvo_add_test(tst_setupwizard ${GARVO_TEST_DIR}/tst_setupwizard.cpp)
