pecunex_qtest(test_budget_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_budget_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BudgetSheet.h LIBS pecunex_budget_ui)
pecunex_qtest(test_budget_storm SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_budget_storm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BudgetSheet.h LIBS pecunex_budget_ui)
