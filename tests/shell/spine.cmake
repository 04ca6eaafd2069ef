# The program's spine: container and menu, entry fields, settings and Personalize.
pecunex_qtest(test_shell SOURCES suites_main.cpp test_shell_windows.cpp test_numeric_entry.cpp
  test_personalize.cpp LIBS pecunex_shell)
