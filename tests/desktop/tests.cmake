add_test(NAME desktop_install COMMAND sh ${GARVO_TEST_DIR}/check-install.sh ${CMAKE_BINARY_DIR})
set_tests_properties(desktop_install PROPERTIES TIMEOUT 120)
garvo_add_test(tst_applicationicon ${GARVO_TEST_DIR}/tst_applicationicon.cpp)
target_compile_definitions(tst_applicationicon PRIVATE GARVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
