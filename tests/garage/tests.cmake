garvo_add_test(tst_garage ${GARVO_TEST_DIR}/tst_garage.cpp)
