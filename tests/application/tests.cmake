garvo_add_core_test(tst_configuration ${GARVO_TEST_DIR}/tst_configuration.cpp)
garvo_add_core_test(tst_commandline ${GARVO_TEST_DIR}/tst_commandline.cpp)
