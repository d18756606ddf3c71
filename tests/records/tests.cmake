garvo_add_test(tst_recordlists ${GARVO_TEST_DIR}/tst_recordlists.cpp)
