#pragma once
// Mortgage (.umd) and loan (.uld) files: a 15-field header record, then one record per
// additional payment (year, amount).
#include <optional>
#include <string>
#include <string_view>

#include "Amortization.h"

// The days in the year a file stores follow from the days choice: written from it, and
// superseded by it on reading.
struct LoanFileData {
    AmortizationInput input;      // principal, rate, term, lists, days choice, views, mode,
                                  // additional payments (rows 1..count)
    std::string firstPaymentDate; // the stored date text, as written (ISO when we wrote it)
    int extraPaymentCount = 0;
    int extraPaymentsInUse = 0;
};

std::string writeLoanFile(const LoanFileData& data);

// Reads what it can: on a malformed or short file `error` is set and `data` holds the
// fields read before the fault (the worksheet keeps them, the batch report refuses).
struct LoanFileRead {
    LoanFileData data;
    std::optional<Failure> error; // code 13
    int headerFieldsRead = 0;     // header fields read, in file order (15 when complete)
};
LoanFileRead readLoanFile(std::string_view text);
