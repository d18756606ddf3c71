garvo_add_core_test(tst_odometerlog ${GARVO_TEST_DIR}/tst_odometerlog.cpp)
garvo_add_test(tst_odometerlogwidgets ${GARVO_TEST_DIR}/tst_odometerlogwidgets.cpp)
