# The system printer / PDF rendering of the print model.
pecunex_qtest(test_qt_printer SOURCES test_qt_printer.cpp LIBS pecunex_platform Qt6::PrintSupport)
