pecunex_qtest(test_grid SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_grid.cpp LIBS pecunex_platform)
