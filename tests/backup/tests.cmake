garvo_add_core_test(tst_backup ${GARVO_TEST_DIR}/tst_backup.cpp)
garvo_add_test(tst_backupgui ${GARVO_TEST_DIR}/tst_backupgui.cpp)
