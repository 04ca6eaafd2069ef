pecunex_qtest(test_mortgage_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_mortgage_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MortgageTestSupport.h LIBS pecunex_mortgage_ui)
