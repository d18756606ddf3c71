garvo_add_core_test(tst_newvehicle ${GARVO_TEST_DIR}/tst_newvehicle.cpp)
garvo_add_test(tst_newvehiclewizard ${GARVO_TEST_DIR}/tst_newvehiclewizard.cpp)
garvo_add_test(tst_drivingconditionboxes ${GARVO_TEST_DIR}/tst_drivingconditionboxes.cpp)
