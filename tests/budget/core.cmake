# Tests of the budget core: periods and refresh figures, editing, sorting, files, the
# statement printout and CSV.
set(budget_core_tests refresh editing sort file statement)
list(TRANSFORM budget_core_tests PREPEND ${CMAKE_CURRENT_LIST_DIR}/test_budget_)
list(TRANSFORM budget_core_tests APPEND .cpp)
pecunex_gtest(test_budget_core SOURCES ${budget_core_tests} LIBS pecunex_budget_core)
