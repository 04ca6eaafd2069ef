// Any bytes as a QIF bank export: read whole or refused with a message naming the file and a
// line; what is read has real dates and UTF-8 text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Dates.h"
#include "QifReader.h"
#include "TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        utf8FromFileText(std::string(reinterpret_cast<const char*>(data), size));
    const auto read = readQif("fuzz.qif", text);
    if (!read) {
        if (read.failure().code != 13 || read.failure().what.rfind("fuzz.qif, line ", 0) != 0)
            __builtin_trap();
        return 0;
    }
    for (const BankTransaction& t : *read) {
        int y = 0, m = 0, d = 0;
        dateParts(t.date, y, m, d);
        if (y < 1900 || !isValidUtf8(t.payee) || !isValidUtf8(t.memo) || !t.fitid.empty())
            __builtin_trap();
    }
    return 0;
}
