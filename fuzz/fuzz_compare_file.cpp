// Any bytes as a loan comparison file: read, and what reads calculates each plan and writes
// back the same text without a fault escaping.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "CompareEngine.h"
#include "CompareFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = readCompareFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read) {
        for (const LoanPlan& plan : read.value())
            (void)calculatePlan(plan);
        const std::string text = writeCompareFile(read.value());
        const auto again = readCompareFile(text);
        if (!again || writeCompareFile(again.value()) != text)
            __builtin_trap(); // what we write we must read, and write again the same
    }
    return 0;
}
