// Any bytes as a savings goal file: read, and what reads is solved, printed and written back
// without a fault escaping.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "GoalFile.h"
#include "GoalReport.h"
#include "TextPrinter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<GoalInput> read =
        readGoalFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read)
        return 0;
    const Result<GoalInput> again = readGoalFile(writeGoalFile(read.value()));
    if (!again || writeGoalFile(again.value()) != writeGoalFile(read.value()))
        __builtin_trap(); // what we write we must read
    const Result<GoalAnswer> answer = solveGoal(read.value());
    if (!answer)
        return 0;
    GoalReportInput report;
    report.goal = &read.value();
    report.answer = &answer.value();
    TextPrinter printer;
    printGoalDocument(printer, report);
    (void)goalCsv(answer.value());
    return 0;
}
