# The shared dialogs and the printing frame.
pecunex_qtest(test_dialogs SOURCES suites_main.cpp test_dialogs.cpp LIBS pecunex_shell)
