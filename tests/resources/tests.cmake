garvo_add_test(tst_resources ${GARVO_TEST_DIR}/tst_resources.cpp)
target_compile_definitions(tst_resources PRIVATE GARVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
