pecunex_gtest(test_dates SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_dates.cpp LIBS pecunex_common)
