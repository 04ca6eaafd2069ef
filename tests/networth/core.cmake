# Tests of the net worth core: calculation, file, printout, and the batch report command.
pecunex_gtest(test_networth_core
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_networth_calc.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_networth_file.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_networth_report.cpp
  LIBS pecunex_networth_core)

# The core stays free of Qt.
add_test(NAME networth_core_links_without_qt
  COMMAND ${CMAKE_COMMAND}
    "-DLINK_LIBS=$<JOIN:$<TARGET_PROPERTY:pecunex_networth_core,LINK_LIBRARIES>,|>|$<JOIN:$<TARGET_PROPERTY:pecunex_networth_core,INTERFACE_LINK_LIBRARIES>,|>"
    "-DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src/networth/core"
    "-DPROGRAM=$<TARGET_FILE:test_networth_core>"
    -P ${PROJECT_SOURCE_DIR}/tests/common/check_no_qt.cmake)

pecunex_gtest(test_networth_report_command
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_networth_cli.cpp
  LIBS pecunex_common)
add_dependencies(test_networth_report_command pecunex-report)
