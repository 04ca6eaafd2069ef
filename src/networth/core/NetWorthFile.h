#pragma once
// Net worth files (.NWV): 32 records in the sequential text format. Record 1 holds the two
// counts; records 2..32 hold row i of both lists (asset name, asset amount, liability
// name, liability amount) for i = 1..31.
#include <string>
#include <string_view>

#include "NetWorthTables.h"
#include "Result.h"

std::string writeNetWorthFile(const NetWorthTables& tables);

// The tables as stored, before any calculation (the counts as the file gives them). A
// file the worksheet could not have written fails with message 13: too few items, text
// where a count or an amount belongs, a negative amount, a count that is not a whole
// number from 0 to 30, a name holding a double quote or a control character. A UTF-8 byte-order
// mark at the start is skipped.
Result<NetWorthTables> readNetWorthFile(std::string_view text);
