# Tests of the graphs' pure core: series, value axis, bar geometry, report options.
set(graphs_core_tests graph_series chart_scale bar_geometry graph_options)
list(TRANSFORM graphs_core_tests PREPEND ${CMAKE_CURRENT_LIST_DIR}/test_)
list(TRANSFORM graphs_core_tests APPEND .cpp)
pecunex_gtest(test_graphs_core SOURCES ${graphs_core_tests} LIBS pecunex_graphs_core)

add_test(NAME graphs_core_links_without_qt
  COMMAND ${CMAKE_COMMAND}
    "-DLINK_LIBS=$<JOIN:$<TARGET_PROPERTY:pecunex_graphs_core,LINK_LIBRARIES>,|>|$<JOIN:$<TARGET_PROPERTY:pecunex_graphs_core,INTERFACE_LINK_LIBRARIES>,|>"
    "-DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src/graphs/core"
    "-DPROGRAM=$<TARGET_FILE:test_graphs_core>"
    -P ${PROJECT_SOURCE_DIR}/tests/common/check_no_qt.cmake)
