garvo_add_core_test(tst_vehicletypes ${GARVO_TEST_DIR}/tst_vehicletypes.cpp)
garvo_add_test(tst_vehicletypedialogs ${GARVO_TEST_DIR}/tst_vehicletypedialogs.cpp)
