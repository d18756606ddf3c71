garvo_add_core_test(tst_fuellogcore ${GARVO_TEST_DIR}/tst_fuellogcore.cpp)
