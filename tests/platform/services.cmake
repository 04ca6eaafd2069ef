# Desktop services: beep, clipboard, twips, the system's number and date conventions.
pecunex_qtest(test_services SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_services.cpp LIBS pecunex_platform)
