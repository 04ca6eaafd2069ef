// Any bytes as a CSV bank export, the columns found by name or, when the first byte is below
// 32, given by number from its bits: read whole or refused with a message naming the file and
// a line; what is read has real dates and UTF-8 text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "BankCsvReader.h"
#include "Dates.h"
#include "TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CsvColumns columns;
    if (size > 0 && data[0] < 32) {
        columns.date = data[0] & 3;
        columns.description = (data[0] >> 2) & 3;
        columns.amount = data[0] & 16 ? 3 : 0;
        ++data;
        --size;
    }
    const std::string text =
        utf8FromFileText(std::string(reinterpret_cast<const char*>(data), size));
    const auto read = readBankCsv("fuzz.csv", text, columns);
    if (!read) {
        if (read.failure().code != 13 || read.failure().what.rfind("fuzz.csv, line ", 0) != 0)
            __builtin_trap();
        return 0;
    }
    for (const BankTransaction& t : *read) {
        int y = 0, m = 0, d = 0;
        dateParts(t.date, y, m, d);
        if (y < 1900 || !isValidUtf8(t.payee) || !t.memo.empty())
            __builtin_trap();
    }
    return 0;
}
