// A stand-in for the bank export readers while they are written elsewhere: CSV files with a
// header naming Date, Description and Amount, ISO dates and plain decimal amounts only.
// Not the real reader; it goes when the readers arrive.
#include <charconv>

#include "BankTransaction.h"
#include "Dates.h"
#include "Messages.h"

namespace {

std::vector<std::string> splitLine(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else if (c != '\r')
            fields.back() += c;
    }
    return fields;
}

std::optional<Currency> amountOf(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    if (whole.empty() || fraction.size() > 4)
        return std::nullopt;
    std::int64_t units = 0, part = 0;
    if (std::from_chars(whole.data(), whole.data() + whole.size(), units).ptr !=
        whole.data() + whole.size())
        return std::nullopt;
    for (std::size_t i = 0; i < 4; ++i)
        part = part * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    const std::int64_t raw = units * Currency::Scale + part;
    return Currency::fromRaw(negative ? -raw : raw);
}

} // namespace

Result<std::vector<BankTransaction>>
readBankFile(const std::string& fileName, std::string_view bytes, const CsvColumns& columns) {
    std::vector<BankTransaction> out;
    int lineNo = 0, date = columns.date - 1, description = columns.description - 1,
        amount = columns.amount - 1;
    const auto fail = [&](const std::string& what) {
        return Failure{msg::FileNotFound,
                       fileName + ", line " + std::to_string(lineNo) + ": " + what};
    };
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        const std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
        ++lineNo;
        const auto fields = splitLine(line);
        if (lineNo == 1) {
            for (std::size_t i = 0; i < fields.size(); ++i) {
                if (fields[i] == "Date" && date < 0)
                    date = static_cast<int>(i);
                if (fields[i] == "Description" && description < 0)
                    description = static_cast<int>(i);
                if (fields[i] == "Amount" && amount < 0)
                    amount = static_cast<int>(i);
            }
            if (date < 0 || description < 0 || amount < 0)
                return fail("no Date, Description and Amount columns");
            continue;
        }
        if (line.empty() || line == "\r")
            continue;
        const auto at = [&](int column) {
            return static_cast<std::size_t>(column) < fields.size()
                       ? fields[static_cast<std::size_t>(column)]
                       : std::string();
        };
        BankTransaction t;
        const auto day = parseDateText(at(date));
        const auto money = amountOf(at(amount));
        if (!day || !money)
            return fail("not a date and an amount");
        t.date = *day;
        t.amount = *money;
        t.payee = at(description);
        out.push_back(std::move(t));
    }
    return out;
}
