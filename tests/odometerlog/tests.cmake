garvo_add_core_test(tst_odometerlog ${GARVO_TEST_DIR}/tst_odometerlog.cpp)
