garvo_add_test(tst_garvoupdater ${GARVO_TEST_DIR}/tst_garvoupdater.cpp)
garvo_add_core_test(tst_updatecore ${GARVO_TEST_DIR}/tst_updatecore.cpp)
garvo_add_test(tst_updatecheck ${GARVO_TEST_DIR}/tst_updatecheck.cpp ${GARVO_TEST_DIR}/testserver.h)
garvo_add_test(tst_updatedialog ${GARVO_TEST_DIR}/tst_updatedialog.cpp ${GARVO_TEST_DIR}/testserver.h)
