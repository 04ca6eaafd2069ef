# The system printer / PDF rendering of the print model.
pecunex_qtest(test_qt_printer SOURCES test_qt_printer.cpp LIBS pecunex_platform Qt6::PrintSupport)
# The desktop program's PDF when no printer is installed.
pecunex_qtest(test_pdf_file_printer SOURCES test_pdf_file_printer.cpp LIBS pecunex_platform Qt6::PrintSupport)
