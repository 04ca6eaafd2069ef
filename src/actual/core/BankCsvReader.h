#pragma once
// Bank statements saved as CSV: a header row naming the columns, then one transaction a row.
#include <string>
#include <string_view>
#include <vector>

#include "BankTransaction.h"

// Reads the UTF-8 text of a CSV export. The separator (comma, semicolon or tab) is the one the
// header row uses most; the columns are found by their names unless `columns` gives them. Rows
// with nothing in the date column (blank lines, a closing balance) are passed over.
Result<std::vector<BankTransaction>> readBankCsv(const std::string& fileName, std::string_view text,
                                                 const CsvColumns& columns);
