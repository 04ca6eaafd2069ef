// Any bytes as a net worth file: read, and what reads calculates, prints and writes back
// without a fault escaping.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "NetWorthCalc.h"
#include "NetWorthFile.h"
#include "NetWorthReport.h"
#include "TextPrinter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<NetWorthTables> read =
        readNetWorthFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read)
        return 0;
    const Result<NetWorthTables> calculated = calculateNetWorth(read.value());
    if (!calculated)
        return 0;
    TextPrinter printer;
    printNetWorthDocument(printer, calculated.value(), {"header", "$", {}}, 1);
    (void)netWorthCsv(calculated.value());
    const Result<NetWorthTables> again = readNetWorthFile(writeNetWorthFile(calculated.value()));
    if (!again)
        __builtin_trap(); // what we write we must read
    if (again->AssetRows != calculated->AssetRows ||
        again->LiabilityRows != calculated->LiabilityRows)
        __builtin_trap();
    return 0;
}
