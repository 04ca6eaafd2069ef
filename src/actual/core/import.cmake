# The bank-file readers: OFX through libofx, QIF and CSV of our own. Pure but for libofx.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LibOfx REQUIRED IMPORTED_TARGET libofx)
pecunex_pure_library(actual_import
  SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BankCsvReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BankDates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BankFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BankText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OfxReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QifReader.cpp
  LIBS pecunex_common PkgConfig::LibOfx
)
