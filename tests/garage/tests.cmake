garvo_add_core_test(tst_garagestore ${GARVO_TEST_DIR}/tst_garagestore.cpp)
garvo_add_test(tst_garage ${GARVO_TEST_DIR}/tst_garage.cpp)
