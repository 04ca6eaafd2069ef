pecunex_qtest(test_mortgage_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_mortgage_window.cpp
  LIBS pecunex_mortgage_ui)
