// src/actual/core/BankTransaction.h  (the agreed interface between the two helpers of Budget vs
// Actual)
#pragma once
#include "Currency.h"
#include "Result.h"
#include <string>
#include <string_view>
#include <vector>

// One transaction as a bank export gives it.
struct BankTransaction {
    int date = 0;      // day number (common/Dates.h), the date the file writes
    Currency amount;   // negative: money out
    std::string payee; // OFX NAME or PAYEE; QIF P; CSV description column
    std::string memo;  // OFX MEMO; QIF M; empty for CSV
    std::string fitid; // OFX FITID; empty otherwise
};

// Which CSV columns hold what, for files whose header names do not fit (0 = found by name;
// columns are counted from 1 as the user types them).
struct CsvColumns {
    int date = 0, description = 0, amount = 0, debit = 0, credit = 0;
};

// Reads one bank export of any kind the program knows (OFX 1.x/2.x, QFX, QIF, CSV), chosen by
// its content, not its extension. On failure: Failure{13 or the fitting message code,
// "FILE, line N: what is wrong"} and no transaction at all.
Result<std::vector<BankTransaction>>
readBankFile(const std::string& fileName, std::string_view bytes, const CsvColumns& columns = {});
