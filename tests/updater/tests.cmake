garvo_add_test(tst_garvoupdater ${GARVO_TEST_DIR}/tst_garvoupdater.cpp)
