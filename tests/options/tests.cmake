garvo_add_test(tst_optionsdialog ${GARVO_TEST_DIR}/tst_optionsdialog.cpp)
