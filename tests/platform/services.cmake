# Desktop services: beep, clipboard, twips, the system's number and date conventions.
pecunex_qtest(test_services SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_services.cpp LIBS pecunex_platform)
# Writing files: complete or not at all.
pecunex_qtest(test_safe_save SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_safe_save.cpp
  ${PROJECT_SOURCE_DIR}/tests/support/FailingSaves.h LIBS pecunex_platform)
