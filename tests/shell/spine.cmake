# The program's spine: entry fields, container, menu, settings and their dialogs.
pecunex_qtest(test_numeric_entry
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_numeric_entry.cpp
  LIBS pecunex_shell)
pecunex_qtest(test_settings
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_settings.cpp
  LIBS pecunex_shell)
pecunex_qtest(test_shell_windows
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_shell_windows.cpp
  LIBS pecunex_shell)
pecunex_qtest(test_personalize
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_personalize.cpp
  LIBS pecunex_shell)
