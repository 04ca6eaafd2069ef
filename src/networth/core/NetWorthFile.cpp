#include "NetWorthFile.h"

#include <algorithm>
#include <cmath>

#include "Messages.h"
#include "SeqFile.h"

namespace {

constexpr int StoredRows = NetWorthLines + 1; // row 31 is written, always empty

// A row is written in full while it is one of the counted lines or holds anything typed
// since the last calculation; beyond that its cells are empty items.
bool rowInUse(const NetWorthLine& line, int row, int count) {
    return row <= count || !line.name.empty() || line.amount.has_value();
}

void writeCell(SeqWriter& w, const NetWorthLine& line, int row, int count) {
    if (!rowInUse(line, row, count)) {
        w.writeEmpty();
        w.writeEmpty();
        return;
    }
    w.writeString(line.name);
    line.amount ? w.writeNumber(*line.amount) : w.writeString("");
}

// Names are typed: no double quote (the key is refused) and no control characters.
bool typeable(std::string_view name) {
    for (unsigned char c : name)
        if (c == '"' || c < 0x20 || c == 0x7f)
            return false;
    return true;
}

Failure wrongFormat(const Failure& cause) {
    return Failure{msg::FileNotFound, cause.what};
}

Result<std::int16_t> readCount(SeqReader& r) {
    const int item = r.itemIndex();
    const Result<double> value = r.readNumber();
    if (!value)
        return wrongFormat(value.failure());
    // The calculation counts the lines again, so a stored count only has to be a 16-bit
    // whole number; it is kept inside the table so that lines shown before that count
    // stay within it.
    const double count = *value;
    if (count < -32768 || count > 32767 || std::floor(count) != count)
        return Failure{msg::FileNotFound,
                       "item " + std::to_string(item) + ": a count that is no 16-bit whole number"};
    return static_cast<std::int16_t>(std::clamp(count, 0.0, double{NetWorthLines}));
}

// One cell; without `into` it is read and checked but not kept.
std::optional<Failure> readCell(SeqReader& r, NetWorthLine* into) {
    const int nameItem = r.itemIndex();
    Result<std::string> name = r.readString();
    if (!name)
        return wrongFormat(name.failure());
    if (!typeable(*name))
        return Failure{msg::FileNotFound,
                       "item " + std::to_string(nameItem) + ": a name no key could type"};
    const int item = r.itemIndex();
    const Result<std::optional<double>> amount = r.readNumberOrEmpty();
    if (!amount)
        return wrongFormat(amount.failure());
    if (*amount && **amount < 0)
        return Failure{msg::FileNotFound, "item " + std::to_string(item) + ": a negative amount"};
    if (into)
        *into = NetWorthLine{std::move(name).value(), *amount};
    return std::nullopt;
}

} // namespace

std::string writeNetWorthFile(const NetWorthTables& t) {
    SeqWriter w;
    w.writeInteger(t.AssetCount);
    w.writeInteger(t.LiabilityCount);
    w.endRecord();
    for (int i = 1; i <= StoredRows; ++i) {
        const auto row = static_cast<std::size_t>(i);
        // Row 31 never holds a line.
        const NetWorthLine none;
        writeCell(w, i <= NetWorthLines ? t.AssetRows[row] : none, i, t.AssetCount);
        writeCell(w, i <= NetWorthLines ? t.LiabilityRows[row] : none, i, t.LiabilityCount);
        w.endRecord();
    }
    return w.text();
}

Result<NetWorthTables> readNetWorthFile(std::string_view text) {
    SeqReader r(text);
    NetWorthTables t;
    for (std::int16_t* count : {&t.AssetCount, &t.LiabilityCount}) {
        const Result<std::int16_t> read = readCount(r);
        if (!read)
            return read.failure();
        *count = *read;
    }
    for (int i = 1; i <= StoredRows; ++i) {
        const auto row = static_cast<std::size_t>(i);
        const bool keep = i <= NetWorthLines;
        if (auto f = readCell(r, keep ? &t.AssetRows[row] : nullptr))
            return *f;
        if (auto f = readCell(r, keep ? &t.LiabilityRows[row] : nullptr))
            return *f;
    }
    return t;
}
