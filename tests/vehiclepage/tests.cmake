garvo_add_test(tst_vehicledialog ${GARVO_TEST_DIR}/tst_vehicledialog.cpp)
garvo_add_test(tst_vehiclepage ${GARVO_TEST_DIR}/tst_vehiclepage.cpp)
garvo_add_test(tst_openvehicle ${GARVO_TEST_DIR}/tst_openvehicle.cpp)
