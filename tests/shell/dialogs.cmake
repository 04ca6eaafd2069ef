# The shared dialogs and the printing frame.
pecunex_qtest(test_message_dialogs SOURCES test_message_dialogs.cpp ModalDriver.h LIBS pecunex_shell)
pecunex_qtest(test_entry_dialogs SOURCES test_entry_dialogs.cpp ModalDriver.h LIBS pecunex_shell)
pecunex_qtest(test_file_dialog SOURCES test_file_dialog.cpp ModalDriver.h LIBS pecunex_shell)
pecunex_qtest(test_print_job SOURCES test_print_job.cpp LIBS pecunex_shell)
