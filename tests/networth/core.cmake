# Tests of the net worth core: calculation, file, printout.
pecunex_gtest(test_networth_core
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_networth_calc.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_networth_file.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_networth_report.cpp
  LIBS pecunex_networth_core)
