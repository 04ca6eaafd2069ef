# Tests of the graphs' pure core: series, value axis, bar geometry, report options.
pecunex_gtest(test_graphs_core SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_graphs_core.cpp
  LIBS pecunex_graphs_core pecunex_mortgage_core)
