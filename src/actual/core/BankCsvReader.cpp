#include "BankCsvReader.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

#include "BankDates.h"
#include "BankText.h"

namespace {

struct Row {
    int line = 0;
    std::vector<std::string> fields;
};

// Splits the text into rows (RFC 4180: a quoted field may hold the separator, doubled quotes
// and line ends), each with the number of the line it starts on.
std::vector<Row> splitRows(std::string_view text, char separator) {
    std::vector<Row> rows;
    Row row;
    std::string field;
    bool quoted = false, fieldStarted = false;
    int line = 1;
    row.line = 1;
    const auto endField = [&] {
        row.fields.push_back(std::move(field));
        field.clear();
        fieldStarted = false;
    };
    const auto endRow = [&] {
        endField();
        rows.push_back(std::move(row));
        row = Row{};
        row.line = line;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n')
            ++line;
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field.push_back('"');
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field.push_back(c);
            }
        } else if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            endField();
        } else if (c == '\n') {
            if (!field.empty() && field.back() == '\r')
                field.pop_back();
            endRow();
        } else if (c != ' ' || fieldStarted) {
            field.push_back(c);
            fieldStarted = true;
        }
    }
    if (fieldStarted || !row.fields.empty())
        endRow();
    return rows;
}

char separatorOf(std::string_view text) {
    const std::size_t start = std::min(text.size(), text.find_first_not_of(" \t\r\n"));
    const std::string_view header = text.substr(start, text.find('\n', start) - start);
    char best = ',';
    long most = 0;
    for (char c : {',', ';', '\t'}) {
        const long n = std::count(header.begin(), header.end(), c);
        if (n > most) {
            most = n;
            best = c;
        }
    }
    return best;
}

std::string lowered(std::string_view text) {
    std::string out(trimmedField(text));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The 1-based column of the first name of `names` the header has, or 0.
int columnNamed(const std::vector<std::string>& header, std::initializer_list<const char*> names) {
    for (const char* name : names)
        for (std::size_t i = 0; i < header.size(); ++i)
            if (lowered(header[i]) == name)
                return static_cast<int>(i) + 1;
    return 0;
}

std::string_view fieldAt(const Row& row, int column) {
    if (column < 1 || column > static_cast<int>(row.fields.size()))
        return {};
    return trimmedField(row.fields[static_cast<std::size_t>(column) - 1]);
}

bool blank(const Row& row) {
    return std::all_of(row.fields.begin(), row.fields.end(),
                       [](const std::string& f) { return trimmedField(f).empty(); });
}

} // namespace

Result<std::vector<BankTransaction>> readBankCsv(const std::string& fileName, std::string_view text,
                                                 const CsvColumns& given) {
    std::vector<Row> rows = splitRows(text, separatorOf(text));
    rows.erase(std::remove_if(rows.begin(), rows.end(), blank), rows.end());
    if (rows.empty())
        return bankFileFailure(fileName, 1, "no header row");
    const Row& header = rows.front();
    CsvColumns c = given;
    if (!c.date)
        c.date = columnNamed(header.fields, {"date", "posting date", "transaction date"});
    if (!c.description)
        c.description =
            columnNamed(header.fields, {"description", "payee", "name", "memo", "details"});
    if (!c.amount && !c.debit && !c.credit) {
        c.amount = columnNamed(header.fields, {"amount"});
        if (!c.amount) {
            c.debit = columnNamed(header.fields, {"debit"});
            c.credit = columnNamed(header.fields, {"credit"});
        }
    }
    if (!c.date)
        return bankFileFailure(fileName, header.line,
                               "no date column (Date, Posting Date or Transaction Date)");
    if (!c.description)
        return bankFileFailure(fileName, header.line,
                               "no description column (Description, Payee, Name, Memo or Details)");
    if (!c.amount && !(c.debit && c.credit))
        return bankFileFailure(fileName, header.line,
                               "no amount column (Amount, or Debit and Credit)");

    // Columns given by number may belong to a file without a header row.
    const bool headerIsData = given.date && splitBankDate(fieldAt(header, c.date)).has_value();
    std::vector<const Row*> data;
    DecimalMarkVote vote;
    for (auto it = rows.begin() + (headerIsData ? 0 : 1); it != rows.end(); ++it) {
        if (fieldAt(*it, c.date).empty())
            continue;
        data.push_back(&*it);
        for (int column : {c.amount, c.debit, c.credit})
            vote.see(fieldAt(*it, column));
    }
    std::vector<BankDateText> dates;
    dates.reserve(data.size());
    bool dayFirst = false;
    for (const Row* row : data) {
        const auto date = splitBankDate(fieldAt(*row, c.date));
        if (!date)
            return bankFileFailure(fileName, row->line,
                                   "\"" + std::string(fieldAt(*row, c.date)) + "\" is not a date");
        dayFirst = dayFirst || needsDayFirst(*date);
        dates.push_back(*date);
    }
    const char mark = vote.mark();
    std::vector<BankTransaction> out;
    out.reserve(data.size());
    for (std::size_t i = 0; i < data.size(); ++i) {
        const Row& row = *data[i];
        const auto serial = bankDateSerial(dates[i], dayFirst);
        if (!serial)
            return bankFileFailure(fileName, row.line,
                                   "\"" + std::string(fieldAt(row, c.date)) + "\" is not a date");
        Currency amount;
        if (c.amount) {
            const AmountRead read = readBankAmount(fieldAt(row, c.amount), mark);
            if (read.error != AmountError::None)
                return bankFileFailure(fileName, row.line, amountProblem(read.error));
            amount = read.value;
        } else {
            // Money out in the debit column, whatever its sign; money in in the credit column.
            const AmountRead debit = readBankAmount(fieldAt(row, c.debit), mark);
            const AmountRead credit = readBankAmount(fieldAt(row, c.credit), mark);
            for (const AmountRead* read : {&debit, &credit})
                if (read->error != AmountError::None && read->error != AmountError::Empty)
                    return bankFileFailure(fileName, row.line, amountProblem(read->error));
            if (debit.error == AmountError::Empty && credit.error == AmountError::Empty)
                return bankFileFailure(fileName, row.line, amountProblem(AmountError::Empty));
            const Currency spent =
                Currency::fromRaw(debit.value.raw() < 0 ? debit.value.raw() : -debit.value.raw());
            const auto sum = credit.value.plus(spent);
            if (!sum)
                return bankFileFailure(fileName, row.line, amountProblem(AmountError::TooLarge));
            amount = *sum;
        }
        out.push_back(
            BankTransaction{*serial, amount, std::string(fieldAt(row, c.description)), {}, {}});
    }
    return out;
}
