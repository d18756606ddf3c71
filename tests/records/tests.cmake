garvo_add_test(tst_recordlists ${GARVO_TEST_DIR}/tst_recordlists.cpp)
garvo_add_test(tst_expensesnotes ${GARVO_TEST_DIR}/tst_expensesnotes.cpp)
garvo_add_test(tst_services ${GARVO_TEST_DIR}/tst_services.cpp)
