garvo_add_core_test(tst_serviceschedulecore ${GARVO_TEST_DIR}/tst_serviceschedulecore.cpp)
garvo_add_test(tst_servicescheduledialog ${GARVO_TEST_DIR}/tst_servicescheduledialog.cpp)
garvo_add_test(tst_schedulereminders ${GARVO_TEST_DIR}/tst_schedulereminders.cpp)
garvo_add_test(tst_serviceschedulepage ${GARVO_TEST_DIR}/tst_serviceschedulepage.cpp)
