pecunex_qtest(test_savings_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_savings_window.cpp
  LIBS pecunex_savings_ui)
