// Any bytes as a net worth history file: read, written back and read again to the same
// bytes, and what reads is calculated, printed and turned into both CSVs without a fault
// escaping.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Dates.h"
#include "HistoryFile.h"
#include "HistoryReport.h"
#include "TextPrinter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<History> read =
        readHistoryFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read)
        return 0;
    const std::string written = writeHistoryFile(read.value(), "");
    const Result<History> again = readHistoryFile(written);
    if (!again || writeHistoryFile(again.value(), "") != written)
        __builtin_trap(); // what we write we must read
    const Result<HistoryResult> result = calculateHistory(read.value());
    if (!result)
        return 0;
    HistoryReportInput report;
    report.result = &result.value();
    report.formatDate = [](int serial) { return isoDate(serial); };
    TextPrinter printer;
    printHistoryDocument(printer, report);
    (void)historySummaryCsv(result.value());
    (void)historyLinesCsv(result.value());
    (void)historyChart(result.value(), true, "$", 40);
    return 0;
}
