garvo_add_test(tst_prompt ${GARVO_TEST_DIR}/tst_prompt.cpp)
