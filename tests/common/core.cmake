# Tests of the pure core library (money, number patterns, key filters, the data file codec,
# the print model, settings file and message tables).
pecunex_gtest(test_common_core
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_currency.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_number_format.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_key_filters.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_seq_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_print_model.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_settings_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_messages.cpp
  LIBS pecunex_common)

# The core must stay free of Qt: no Qt in its link interface, no Qt include in its sources,
# and a program built from it alone does not load a Qt library.
add_test(NAME common_core_links_without_qt
  COMMAND ${CMAKE_COMMAND}
    "-DLINK_LIBS=$<JOIN:$<TARGET_PROPERTY:pecunex_common,LINK_LIBRARIES>,|>|$<JOIN:$<TARGET_PROPERTY:pecunex_common,INTERFACE_LINK_LIBRARIES>,|>"
    "-DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src/common"
    "-DPROGRAM=$<TARGET_FILE:test_common_core>"
    -P ${CMAKE_CURRENT_LIST_DIR}/check_no_qt.cmake)
