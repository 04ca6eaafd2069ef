# Tests of the bank-file readers (OFX, QIF, CSV), with the sample exports under files/.
pecunex_gtest(test_bank_files SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_bank_files.cpp LIBS actual_import)
