pecunex_gtest(test_mortgage_core
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_amortization.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_schedule_cell.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_loan_file.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_schedule_report.cpp
  LIBS pecunex_mortgage_core)
