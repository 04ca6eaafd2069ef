#include "QifReader.h"

#include <optional>
#include <utility>

#include "BankDates.h"
#include "BankText.h"

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        char p = prefix[i];
        if (p >= 'a' && p <= 'z')
            p = static_cast<char>(p - 'a' + 'A');
        if (c != p)
            return false;
    }
    return true;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && startsWithNoCase(a, b);
}

// Whether a "!Type:" header opens a section whose records are transactions of an account.
bool isBankLike(std::string_view type) {
    for (const char* name : {"Bank", "CCard", "Cash", "Oth A", "Oth L"})
        if (equalsNoCase(type, name))
            return true;
    return false;
}

// One record as read, before its date and amount can be read: those wait for the whole file
// (the order of day and month, the decimal mark).
struct Record {
    int line = 0;
    std::string date, amount, payee, memo, category;
    bool hasAmount = false;
    bool empty() const { return date.empty() && !hasAmount && payee.empty() && memo.empty(); }
};

bool isOpeningBalance(const Record& r) {
    return equalsNoCase(trimmedField(r.payee), "Opening Balance") && r.category.size() >= 2 &&
           r.category.front() == '[' && r.category.back() == ']';
}

} // namespace

bool looksLikeQif(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text[first] == '!' &&
           (startsWithNoCase(text.substr(first), "!Type:") ||
            startsWithNoCase(text.substr(first), "!Account") ||
            startsWithNoCase(text.substr(first), "!Option:") ||
            startsWithNoCase(text.substr(first), "!Clear:"));
}

Result<std::vector<BankTransaction>> readQif(const std::string& fileName, std::string_view text) {
    std::vector<Record> records;
    Record current;
    bool inBank = false, sawBank = false;
    int lineNumber = 0;
    const auto finish = [&] {
        if (inBank && !current.empty())
            records.push_back(std::move(current));
        current = Record{};
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trimmedField(text.substr(pos, end - pos));
        pos = end + 1;
        ++lineNumber;
        if (line.empty())
            continue;
        if (line.front() == '!') {
            if (startsWithNoCase(line, "!Option:") || startsWithNoCase(line, "!Clear:"))
                continue;
            finish();
            inBank = startsWithNoCase(line, "!Type:") && isBankLike(trimmedField(line.substr(6)));
            sawBank = sawBank || inBank;
            continue;
        }
        if (!inBank)
            continue;
        if (current.empty())
            current.line = lineNumber;
        const std::string_view value = line.substr(1);
        switch (line.front()) {
        case '^':
            finish();
            break;
        case 'D':
            current.date = value;
            break;
        case 'T':
            current.amount = value;
            current.hasAmount = true;
            break;
        case 'U':
            // The same amount as T, written by newer programs; T counts when both are there.
            if (!current.hasAmount) {
                current.amount = value;
                current.hasAmount = true;
            }
            break;
        case 'P':
            current.payee = trimmedField(value);
            break;
        case 'M':
            current.memo = trimmedField(value);
            break;
        case 'L':
            current.category = trimmedField(value);
            break;
        default:
            break; // check numbers, cleared marks, addresses, split lines
        }
    }
    finish();
    if (!sawBank)
        return bankFileFailure(fileName, 1, "no bank, cash or credit card section");

    DecimalMarkVote vote;
    bool dayFirst = false;
    std::vector<BankDateText> dates;
    dates.reserve(records.size());
    for (const Record& r : records) {
        if (!r.hasAmount)
            return bankFileFailure(fileName, r.line, "a transaction without an amount");
        const auto date = splitBankDate(r.date);
        if (!date)
            return bankFileFailure(fileName, r.line,
                                   r.date.empty() ? "a transaction without a date"
                                                  : "\"" + r.date + "\" is not a date");
        dayFirst = dayFirst || needsDayFirst(*date);
        dates.push_back(*date);
        vote.see(r.amount);
    }
    std::vector<BankTransaction> out;
    out.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        const auto serial = bankDateSerial(dates[i], dayFirst);
        if (!serial)
            return bankFileFailure(fileName, r.line, "\"" + r.date + "\" is not a date");
        const AmountRead amount = readBankAmount(r.amount, vote.mark());
        if (amount.error != AmountError::None)
            return bankFileFailure(fileName, r.line, amountProblem(amount.error));
        if (isOpeningBalance(r))
            continue;
        out.push_back(BankTransaction{*serial, amount.value, r.payee, r.memo, {}});
    }
    return out;
}
