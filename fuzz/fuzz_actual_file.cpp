// Any bytes as an actuals file: read, and what reads is written back and read the same, then
// compared with a small budget, printed and listed without a fault escaping.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ActualFile.h"
#include "ActualProposals.h"
#include "ActualReport.h"
#include "TextPrinter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<Actuals> read =
        readActualFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read)
        return 0;
    const Result<Actuals> again = readActualFile(writeActualFile(read.value()));
    if (!again || writeActualFile(again.value()) != writeActualFile(read.value()))
        __builtin_trap(); // what we write we must read
    BudgetTables budget;
    budget.ExpenseCount = 1;
    budget.ExpenseRecords[1] = {1, "Rent", Currency::fromWhole(12000), Currency::fromWhole(12),
                                Currency::fromWhole(12000)};
    const ActualPeriod period = latestMonth(read->transactions, 45000);
    const Result<ActualResult> result = compareActuals(read.value(), budget, period);
    if (!result)
        return 0;
    ActualReportInput report;
    report.result = &result.value();
    report.actuals = &read.value();
    report.budget = &budget;
    TextPrinter printer;
    printActualDocument(printer, report);
    (void)actualCsv(result.value());
    (void)transactionsCsv(read.value(), budget, result->matches,
                          transactionOrder(read->transactions));
    (void)proposeRecords(read->transactions, result->matches);
    return 0;
}
