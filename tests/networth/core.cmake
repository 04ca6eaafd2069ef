# Tests of the net worth core: calculation, file and printout, and the batch report command.
pecunex_gtest(test_networth_core
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_networth_calc.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_networth_file.cpp
  LIBS pecunex_networth_core)


pecunex_gtest(test_networth_report_command
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_networth_cli.cpp
  LIBS pecunex_common)
add_dependencies(test_networth_report_command pecunex-report)
