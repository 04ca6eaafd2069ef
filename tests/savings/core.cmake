pecunex_gtest(test_savings_core
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_growth.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_savings_report.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_savings_texts.cpp
  LIBS pecunex_savings_core)
