add_test(NAME desktop_install COMMAND sh ${GARVO_TEST_DIR}/check-install.sh ${CMAKE_BINARY_DIR})
set_tests_properties(desktop_install PROPERTIES TIMEOUT 120)
