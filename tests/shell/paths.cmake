# Where the program's files live, in the build tree and once installed.
pecunex_qtest(test_program_paths SOURCES suites_main.cpp test_program_paths.cpp LIBS pecunex_shell)
