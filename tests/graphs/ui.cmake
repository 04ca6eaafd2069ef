# The graph window in the container, and the charts drawn offscreen.
pecunex_qtest(test_graphs_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_graphs_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GraphTestSupport.h LIBS pecunex_graphs_ui pecunex_mortgage_ui)
pecunex_qtest(test_chart_render SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_chart_render.cpp
  LIBS pecunex_graphs_ui)
