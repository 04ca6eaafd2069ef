# The graph window in the container, and the charts drawn offscreen.
pecunex_qtest(test_graphs_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_graphs_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GraphTestSupport.h LIBS pecunex_graphs_ui pecunex_mortgage_ui)
pecunex_qtest(test_chart_render SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_chart_render.cpp
  LIBS pecunex_graphs_ui)
# Labels that can be read, and windows that fit the container (the graph window, the budget).
pecunex_qtest(test_charts_fit SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_charts_fit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GraphTestSupport.h LIBS pecunex_graphs_ui pecunex_mortgage_ui
  pecunex_budget_ui)
