garvo_add_core_test(tst_backup ${GARVO_TEST_DIR}/tst_backup.cpp)
