# The graph window in the container, the charts drawn offscreen, and windows that fit the
# container.
pecunex_qtest(test_graphs_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_graphs_window.cpp
  LIBS pecunex_graphs_ui pecunex_mortgage_ui)
