# Tests of the graphs' pure core: series, value axis, bar geometry, report options.
set(graphs_core_tests graph_series chart_scale bar_geometry graph_options)
list(TRANSFORM graphs_core_tests PREPEND ${CMAKE_CURRENT_LIST_DIR}/test_)
list(TRANSFORM graphs_core_tests APPEND .cpp)
pecunex_gtest(test_graphs_core SOURCES ${graphs_core_tests} LIBS pecunex_graphs_core)
