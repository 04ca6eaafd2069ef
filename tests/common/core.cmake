# Tests of the pure core library (money, patterns, key filters, file codec, printing, settings,
# dates, the paper a PDF printout is laid out for).
set(core_tests currency number_format key_filters seq_file print_model settings_file
  command_line pdf_printer dates paper)
list(TRANSFORM core_tests PREPEND ${CMAKE_CURRENT_LIST_DIR}/test_)
list(TRANSFORM core_tests APPEND .cpp)
pecunex_gtest(test_common_core SOURCES ${core_tests} LIBS pecunex_common)
