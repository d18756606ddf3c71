garvo_add_core_test(tst_currency ${GARVO_TEST_DIR}/tst_currency.cpp)
garvo_add_core_test(tst_units ${GARVO_TEST_DIR}/tst_units.cpp)
garvo_add_test(tst_currencywidgets ${GARVO_TEST_DIR}/tst_currencywidgets.cpp)
