// Which reader a bank export goes to: chosen by what the file holds, whatever its name says.
#include "BankTransaction.h"

#include "BankCsvReader.h"
#include "BankText.h"
#include "OfxReader.h"
#include "QifReader.h"
#include "TextEncoding.h"

namespace {

// No line of a bank export comes near this; a longer one is a damaged or foreign file. (An OFX
// file may hold all its tags on one line: this still leaves room for a hundred thousand
// transactions there.)
constexpr std::size_t LongestLine = std::size_t{32} << 20;

// The number of the first line longer than LongestLine, or 0.
int overlongLine(std::string_view bytes) {
    int line = 1;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        if (end - start > LongestLine)
            return line;
        start = end + 1;
        ++line;
    }
    return 0;
}

bool mayBeCsv(std::string_view text, const CsvColumns& columns) {
    if (columns.date || columns.description || columns.amount || columns.debit || columns.credit)
        return true;
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos)
        return false;
    const std::string_view header = text.substr(start, text.find('\n', start) - start);
    return header.find_first_of(",;\t") != std::string_view::npos;
}

} // namespace

Result<std::vector<BankTransaction>>
readBankFile(const std::string& fileName, std::string_view bytes, const CsvColumns& columns) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (const int line = overlongLine(bytes))
        return bankFileFailure(fileName, line, "a line too long for a bank file");
    if (looksLikeOfx(bytes))
        return readOfx(fileName, bytes);
    const std::string text = utf8FromFileText(std::string(bytes));
    if (looksLikeQif(text))
        return readQif(fileName, text);
    if (mayBeCsv(text, columns))
        return readBankCsv(fileName, text, columns);
    return bankFileFailure(fileName, 1,
                           "not a bank file the program can read (OFX, QFX, QIF or CSV)");
}
