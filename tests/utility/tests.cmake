garvo_add_test(tst_prompt ${GARVO_TEST_DIR}/tst_prompt.cpp)
garvo_add_core_test(tst_utility ${GARVO_TEST_DIR}/tst_utility.cpp)
