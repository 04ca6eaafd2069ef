// Any bytes as a mortgage or loan file: read, and what reads completely calculates and
// writes back without a fault escaping.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Amortization.h"
#include "LoanFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const LoanFileRead read =
        readLoanFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.error) {
        (void)amortize(read.data.input);
        const LoanFileRead again = readLoanFile(writeLoanFile(read.data));
        if (again.error)
            __builtin_trap(); // what we write we must read
    }
    return 0;
}
