garvo_add_core_test(tst_vehicletypes ${GARVO_TEST_DIR}/tst_vehicletypes.cpp)
