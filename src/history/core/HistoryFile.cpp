#include "HistoryFile.h"

#include <filesystem>

#include "Dates.h"
#include "Messages.h"
#include "NetWorthFile.h"
#include "SeqFile.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Maker = "Pecunex";
constexpr std::string_view Kind = "History";
constexpr int Version = 1;
constexpr int StatementRecords = 32; // the records of a net worth file

Failure refused(std::string what) {
    return Failure{msg::FileNotFound, std::move(what)};
}

bool typeableLabel(std::string_view text) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7f || c == '"')
            return false;
    return true;
}

// The text's records, one a line, without their line ends.
std::vector<std::string_view> recordsOf(std::string_view text) {
    std::vector<std::string_view> records;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        records.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    while (!records.empty() && records.back().find_first_not_of(" \t") == std::string_view::npos)
        records.pop_back();
    return records;
}

Result<int> wholeNumber(SeqReader& r, int most) {
    const Result<std::int16_t> n = r.readInt16();
    if (!n)
        return n.failure();
    if (*n < 0 || *n > most)
        return refused("a count from 0 to " + std::to_string(most) + " expected");
    return static_cast<int>(*n);
}

} // namespace

std::string writeHistoryFile(const History& history, const std::string& folder) {
    SeqWriter w;
    w.writeHead(Kind, Version);
    w.writeInteger(static_cast<std::int64_t>(history.statements.size()));
    w.writeInteger(static_cast<std::int64_t>(history.loans.size()));
    w.endRecord();
    std::string out = w.text();
    for (const Statement& s : history.statements) {
        SeqWriter head;
        head.writeString(isoDate(s.date));
        head.writeString(s.label);
        head.endRecord();
        out += head.text();
        out += writeNetWorthFile(s.lines);
    }
    for (const FollowedLoan& loan : history.loans) {
        SeqWriter line;
        const fs::path path(loan.path);
        const fs::path relative =
            folder.empty() || path.is_relative() ? path : path.lexically_relative(fs::path(folder));
        line.writeString(relative.empty() ? loan.path : relative.generic_string());
        line.endRecord();
        out += line.text();
    }
    return out;
}

Result<History> readHistoryFile(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const std::vector<std::string_view> records = recordsOf(text);
    if (records.size() < 2)
        return refused("not a history file");
    {
        SeqReader head(records[0]);
        const Result<std::string> maker = head.readString(), kind = head.readString();
        const Result<std::int16_t> version = head.readInt16();
        if (!maker || !kind || !version || *maker != Maker || *kind != Kind ||
            *version != Version || !head.atEnd())
            return refused("not a history file of version 1");
    }
    SeqReader counts(records[1]);
    const Result<int> statements = wholeNumber(counts, MaxStatements);
    if (!statements)
        return statements.failure();
    const Result<int> loans = wholeNumber(counts, MaxFollowedLoans);
    if (!loans)
        return loans.failure();
    const std::size_t expected = 2 +
                                 static_cast<std::size_t>(*statements) * (1 + StatementRecords) +
                                 static_cast<std::size_t>(*loans);
    if (records.size() != expected || !counts.atEnd())
        return refused("the records do not match the counts");

    History history;
    std::size_t at = 2;
    for (int s = 1; s <= *statements; ++s) {
        const std::string which = "statement " + std::to_string(s) + ": ";
        SeqReader head(records[at++]);
        const Result<std::string> date = head.readString(), label = head.readString();
        if (!date || !label || !head.atEnd())
            return refused(which + "no date and label");
        const std::optional<int> day = date->size() == 10 ? parseDateText(*date) : std::nullopt;
        if (!day)
            return refused(which + "not a date: " + *date);
        if (!typeableLabel(*label))
            return refused(which + "a label no key could type");
        std::string lines;
        for (int r = 0; r < StatementRecords; ++r) {
            lines += records[at++];
            lines += "\r\n";
        }
        Result<NetWorthTables> read = readNetWorthFile(lines);
        if (!read)
            return refused(which + read.failure().what);
        if (!history.statements.empty() && history.statements.back().date >= *day)
            return refused(which + "not after the statement before it");
        history.statements.push_back({*day, *label, std::move(read).value()});
    }
    for (int l = 0; l < *loans; ++l) {
        SeqReader line(records[at++]);
        const Result<std::string> name = line.readString();
        if (!name || name->empty() || !line.atEnd() || !typeableLabel(*name))
            return refused("loan " + std::to_string(l + 1) + ": no file name");
        history.loans.push_back({*name, loanDescription(*name), std::nullopt});
    }
    return history;
}

std::vector<std::string> readFollowedLoans(History& history, const std::string& folder,
                                           const FileReader& read) {
    std::vector<std::string> problems;
    for (FollowedLoan& loan : history.loans) {
        fs::path path(loan.path);
        if (path.is_relative() && !folder.empty())
            path = fs::path(folder) / path;
        loan.path = path.lexically_normal().string();
        loan.balances.reset();
        const std::optional<std::string> text = read(loan.path);
        if (!text) {
            problems.push_back(loan.path + ": the loan file is missing.");
            continue;
        }
        Result<LoanBalances> balances = loanBalances(*text, loan.path);
        if (balances)
            loan.balances = std::move(balances).value();
        else
            problems.push_back(balances.failure().code == msg::DetailOnly
                                   ? balances.failure().what
                                   : loan.path + ": " + messageText(balances.failure().code));
    }
    return problems;
}
