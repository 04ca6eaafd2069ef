pecunex_qtest(test_budget_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_budget_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BudgetSheet.h ${PROJECT_SOURCE_DIR}/tests/support/WorksheetScript.h
  LIBS pecunex_budget_ui)
