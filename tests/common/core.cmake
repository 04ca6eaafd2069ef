# Tests of the pure core library (money, patterns, key filters, file codec, printing, settings, messages).
set(core_tests currency number_format key_filters seq_file print_model settings_file messages
  command_line)
list(TRANSFORM core_tests PREPEND ${CMAKE_CURRENT_LIST_DIR}/test_)
list(TRANSFORM core_tests APPEND .cpp)
pecunex_gtest(test_common_core SOURCES ${core_tests} LIBS pecunex_common)

# The core stays free of Qt: not linked, not included, not loaded by a program built from it alone.
add_test(NAME common_core_links_without_qt
  COMMAND ${CMAKE_COMMAND}
    "-DLINK_LIBS=$<JOIN:$<TARGET_PROPERTY:pecunex_common,LINK_LIBRARIES>,|>|$<JOIN:$<TARGET_PROPERTY:pecunex_common,INTERFACE_LINK_LIBRARIES>,|>"
    "-DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src/common"
    "-DPROGRAM=$<TARGET_FILE:test_common_core>"
    -P ${CMAKE_CURRENT_LIST_DIR}/check_no_qt.cmake)
