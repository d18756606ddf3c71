garvo_add_core_test(tst_database ${GARVO_TEST_DIR}/tst_database.cpp)
garvo_add_core_test(tst_table ${GARVO_TEST_DIR}/tst_table.cpp)
garvo_add_core_test(tst_records ${GARVO_TEST_DIR}/tst_records.cpp)
garvo_add_core_test(tst_settings ${GARVO_TEST_DIR}/tst_settings.cpp)
garvo_add_core_test(tst_cascade ${GARVO_TEST_DIR}/tst_cascade.cpp)
# Not a test: scripts/kill-trials.sh drives it.
add_executable(killtrial_helper ${GARVO_TEST_DIR}/killtrial_helper.cpp)
target_link_libraries(killtrial_helper PRIVATE garvo_core)
