// Any bytes as a budget file: read; what reads completely sorts, sums, prints and writes
// back without a fault escaping, and what we write we must read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "BudgetFile.h"
#include "BudgetReport.h"
#include "BudgetSort.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    BudgetFileRead read = readBudgetFile(text);
    if (read.error)
        return 0;
    const std::string written = writeBudgetFile(read.tables);
    const BudgetFileRead again = readBudgetFile(written);
    if (again.error || writeBudgetFile(again.tables) != written)
        __builtin_trap();
    for (const char* sort : {"Names A - Z", "Amounts Hi-Lo"}) {
        BudgetReportOptions options;
        options.sort = sort;
        options.period = "Weekly";
        options.fontChoice = 3;
        if (const auto report = prepareBudgetReport(text, options))
            (void)budgetReportText(**report, options);
    }
    return 0;
}
