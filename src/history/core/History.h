#pragma once
// A household's net worth over time: dated net worth statements, each kept whole as its file
// holds it, and up to three followed loans whose balance at each statement's date is a
// liability of its own. The calculation gives the summary (totals, changes, the yearly rate)
// and the lines (each line's amount across the statements).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Currency.h"
#include "NetWorthTables.h"
#include "Result.h"

constexpr int MaxStatements = 600;
constexpr int MaxFollowedLoans = 3;

struct Statement {
    int date = 0; // day number (Dates.h)
    std::string label;
    NetWorthTables lines; // as its file holds them, before any calculation
};

// A loan's balance after each payment, from its dated schedule.
struct LoanBalances {
    Currency principal;                         // before the first payment
    std::vector<std::pair<int, Currency>> paid; // payment date, balance after it; in date order
};

struct FollowedLoan {
    std::string path;                     // the loan file as the history names it
    std::string description;              // the file's name without folder and extension: "House"
    std::optional<LoanBalances> balances; // nothing: the file is gone or cannot be read
};

struct History {
    std::vector<Statement> statements; // in date order, one per date
    std::vector<FollowedLoan> loans;
};

// Message 44's detail for each refusal below, naming what it is about.
// Adds the statement in its date's place. Refused: a date already held, a full history.
std::optional<std::string> addStatement(History& history, Statement statement,
                                        std::string_view fileName);
// Moves statement `index` to another date (refused when that date is held).
std::optional<std::string> redateStatement(History& history, std::size_t index, int date);

// The balances of a loan file's dated schedule, from the mortgage worksheet's own engine.
// Message 13 for a file it would refuse; message 44 for a loan without a first payment date.
Result<LoanBalances> loanBalances(std::string_view loanFileText, std::string_view fileName);
// The balance after the last payment on or before `date`; the principal before the first.
Currency balanceOn(const LoanBalances& loan, int date);
// "House" for "/home/me/House.umd".
std::string loanDescription(std::string_view path);

// How lines are matched across statements: blanks around trimmed, letters of either case.
std::string lineKey(std::string_view name);

struct SummaryRow {
    int date = 0;
    std::string label;
    Currency assets;
    Currency liabilities; // the followed loans' balances included
    Currency netWorth;
    std::optional<Currency> change;     // since the previous statement
    std::optional<Currency> sinceFirst; // since the first statement
    std::optional<double> yearlyRate;   // 0.1012 for 10.12 %
};

struct HistoryLine {
    std::string name; // as the first statement holding it spells it
    bool liability = false;
    bool loan = false;                            // a followed loan's line
    bool missing = false;                         // a followed loan whose file is gone: no amounts
    std::vector<std::optional<Currency>> amounts; // one per statement; nothing: no such line
};

struct HistoryResult {
    std::vector<SummaryRow> summary;
    std::vector<HistoryLine> lines; // assets, then liabilities, each in order of first appearance
};

// The compound yearly rate from `first` to `later`, `days` apart: (later / first)^(365 / days)
// less one. Nothing under 365 days or when either net worth is not above zero.
std::optional<double> yearlyRate(Currency first, Currency later, int days);

// Every statement calculated as the net worth worksheet calculates it. Message 26 when a
// figure does not fit in a currency.
Result<HistoryResult> calculateHistory(const History& history);
