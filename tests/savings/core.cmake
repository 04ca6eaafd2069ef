pecunex_gtest(test_savings_core
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_growth.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_savings_report.cpp
          ${CMAKE_CURRENT_LIST_DIR}/test_savings_texts.cpp
  LIBS pecunex_savings_core)

pecunex_gtest(test_savings_report_cli
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_savings_cli.cpp
  LIBS pecunex_savings_core)
add_dependencies(test_savings_report_cli pecunex-report)

# The savings core stays free of Qt, like the common core.
add_test(NAME savings_core_links_without_qt
  COMMAND ${CMAKE_COMMAND}
    "-DLINK_LIBS=$<JOIN:$<TARGET_PROPERTY:pecunex_savings_core,LINK_LIBRARIES>,|>|$<JOIN:$<TARGET_PROPERTY:pecunex_savings_core,INTERFACE_LINK_LIBRARIES>,|>"
    "-DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src/savings/core"
    "-DPROGRAM=$<TARGET_FILE:test_savings_core>"
    -P ${PROJECT_SOURCE_DIR}/tests/common/check_no_qt.cmake)
