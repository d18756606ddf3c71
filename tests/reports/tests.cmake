garvo_add_core_test(tst_reportcore ${GARVO_TEST_DIR}/tst_reportcore.cpp)
garvo_add_test(tst_reportpages ${GARVO_TEST_DIR}/tst_reportpages.cpp)
garvo_add_test(tst_reportprint ${GARVO_TEST_DIR}/tst_reportprint.cpp)
