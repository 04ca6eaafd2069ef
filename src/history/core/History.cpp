#include "History.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <unordered_map>

#include "Amortization.h"
#include "Dates.h"
#include "LoanFile.h"
#include "Messages.h"
#include "NetWorthCalc.h"

namespace {

Failure detail(std::string text) {
    return Failure{msg::DetailOnly, std::move(text)};
}

Failure cannotCalculate(const char* what) {
    return Failure{msg::CannotCalculate, what};
}

bool dateHeld(const History& history, int date, std::size_t except) {
    for (std::size_t i = 0; i < history.statements.size(); ++i)
        if (i != except && history.statements[i].date == date)
            return true;
    return false;
}

std::string twoOnOneDate(int date) {
    return "The history already has a statement dated " + isoDate(date) +
           ". Give this one another date.";
}

void sortByDate(History& history) {
    std::stable_sort(history.statements.begin(), history.statements.end(),
                     [](const Statement& a, const Statement& b) { return a.date < b.date; });
}

// The lines of one statement view, as the net worth worksheet calculated them.
struct CalculatedStatement {
    NetWorthTables tables;
    Currency loans; // the followed loans' balances it takes on
};

// Adds `amount` to `sum`; false when it does not fit.
bool addTo(Currency& sum, Currency amount) {
    const auto total = sum.plus(amount);
    if (total)
        sum = *total;
    return total.has_value();
}

// The lines of one side across the statements, matched by their key.
class LineTable {
  public:
    LineTable(std::vector<HistoryLine>& lines, bool liability, std::size_t statements)
        : lines_(lines), liability_(liability), statements_(statements) {}

    HistoryLine& line(std::string_view name) {
        const std::string key = lineKey(name);
        const auto [at, added] = index_.try_emplace(key, lines_.size());
        if (added) {
            HistoryLine& line = lines_.emplace_back();
            std::string_view trimmed = name;
            while (!trimmed.empty() && trimmed.front() == ' ')
                trimmed.remove_prefix(1);
            while (!trimmed.empty() && trimmed.back() == ' ')
                trimmed.remove_suffix(1);
            line.name = trimmed;
            line.liability = liability_;
            line.amounts.resize(statements_);
        }
        return lines_[at->second];
    }

  private:
    std::vector<HistoryLine>& lines_;
    std::unordered_map<std::string, std::size_t> index_;
    bool liability_;
    std::size_t statements_;
};

// Records the ordinary lines of a packed list in statement `s`, and their keys in `keys`.
// False when an amount does not fit in a currency.
bool recordList(LineTable& table, const NetWorthTable& rows, int count, std::size_t s,
                std::vector<std::string>* keys) {
    for (int i = 1; i <= count; ++i) {
        const NetWorthLine& line = rows[static_cast<std::size_t>(i)];
        if (isSubTotal(line.name))
            continue;
        HistoryLine& entry = table.line(line.name);
        if (keys)
            keys->push_back(lineKey(line.name));
        if (!line.amount)
            continue; // the empty amount: shown blank, as in the statement
        const std::optional<Currency> amount = Currency::fromDouble(*line.amount);
        if (!amount)
            return false;
        // A line named twice in one statement counts twice, as its total does.
        std::optional<Currency>& cell = entry.amounts[s];
        cell = cell ? cell->plus(*amount) : amount;
        if (!cell)
            return false;
    }
    return true;
}

} // namespace

std::optional<std::string> addStatement(History& history, Statement statement,
                                        std::string_view fileName) {
    if (history.statements.size() >= static_cast<std::size_t>(MaxStatements))
        return std::string(fileName) + ": the history holds " + std::to_string(MaxStatements) +
               " statements, the most it can.";
    if (dateHeld(history, statement.date, history.statements.size()))
        return std::string(fileName) + ": " + twoOnOneDate(statement.date);
    history.statements.push_back(std::move(statement));
    sortByDate(history);
    return std::nullopt;
}

std::optional<std::string> redateStatement(History& history, std::size_t index, int date) {
    if (index >= history.statements.size())
        return std::string("There is no such statement.");
    if (dateHeld(history, date, index))
        return twoOnOneDate(date);
    history.statements[index].date = date;
    sortByDate(history);
    return std::nullopt;
}

Result<LoanBalances> loanBalances(std::string_view loanFileText, std::string_view fileName) {
    const LoanFileRead read = readLoanFile(loanFileText);
    if (read.error)
        return Failure{msg::FileNotFound, read.error->what};
    const std::optional<int> first = parseDateText(read.data.firstPaymentDate);
    if (!first || read.data.input.dateView != 1)
        return detail(std::string(fileName) +
                      ": the loan has no payment dates. Set its first payment date in its "
                      "worksheet, with dates shown, and save it.");
    AmortizationInput input = read.data.input;
    input.firstPaymentDate = *first;
    input.dateView = 1;
    input.scheduleView = 2;
    const Result<Amortization> schedule = amortize(input);
    if (!schedule)
        return Failure{schedule.failure().code, std::string(fileName) + ": " +
                                                    messageText(schedule.failure().code)};
    LoanBalances out;
    out.principal = input.principal;
    for (int k = 1; k <= schedule->last && k < static_cast<int>(schedule->rows.size()); ++k) {
        const ScheduleRow& row = schedule->rows[static_cast<std::size_t>(k)];
        out.paid.emplace_back(static_cast<int>(row.dateOrYear.raw() / Currency::Scale),
                              row.balance);
    }
    return out;
}

Currency balanceOn(const LoanBalances& loan, int date) {
    const auto after = std::upper_bound(loan.paid.begin(), loan.paid.end(), date,
                                        [](int d, const auto& row) { return d < row.first; });
    return after == loan.paid.begin() ? loan.principal : std::prev(after)->second;
}

std::string loanDescription(std::string_view path) {
    return std::filesystem::path(path).stem().string();
}

std::string lineKey(std::string_view name) {
    while (!name.empty() && name.front() == ' ')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    std::string key(name);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return key;
}

std::optional<double> yearlyRate(Currency first, Currency later, int days) {
    if (days < 365 || first <= Currency{} || later <= Currency{})
        return std::nullopt;
    return std::pow(later.toDouble() / first.toDouble(), 365.0 / days) - 1.0;
}

Result<HistoryResult> calculateHistory(const History& history) {
    const std::size_t n = history.statements.size();
    HistoryResult out;
    std::vector<HistoryLine> assets, liabilities;
    LineTable assetTable(assets, false, n), liabilityTable(liabilities, true, n);
    // The loans' lines come after the statements' own liabilities, in the order followed.
    std::vector<HistoryLine> loanLines;
    for (const FollowedLoan& loan : history.loans) {
        HistoryLine& line = loanLines.emplace_back();
        line.name = loan.description + (loan.balances ? " (loan file)" : " (loan file missing)");
        line.liability = line.loan = true;
        line.missing = !loan.balances;
        line.amounts.resize(n);
    }
    out.summary.reserve(n);
    std::vector<std::string> keys;
    for (std::size_t s = 0; s < n; ++s) {
        const Statement& statement = history.statements[s];
        const Result<NetWorthTables> calc = calculateNetWorth(statement.lines);
        if (!calc)
            return calc.failure();
        const NetWorthTables& t = *calc;
        keys.clear();
        if (!recordList(assetTable, t.AssetRows, t.AssetCount, s, nullptr) ||
            !recordList(liabilityTable, t.LiabilityRows, t.LiabilityCount, s, &keys))
            return cannotCalculate("an amount does not fit in a currency");
        SummaryRow row{statement.date, statement.label, t.TotalAssets, t.TotalLiabilities, {},
                       {},             {},              {}};
        for (std::size_t l = 0; l < history.loans.size(); ++l) {
            const FollowedLoan& loan = history.loans[l];
            if (!loan.balances)
                continue;
            // A statement that lists the loan itself already counts it.
            const std::string own = lineKey(loan.description);
            if (std::find(keys.begin(), keys.end(), own) != keys.end() ||
                std::find(keys.begin(), keys.end(), lineKey(loanLines[l].name)) != keys.end())
                continue;
            const Currency balance = balanceOn(*loan.balances, statement.date);
            loanLines[l].amounts[s] = balance;
            if (!addTo(row.liabilities, balance))
                return cannotCalculate("the liabilities do not fit in a currency");
        }
        const auto net = row.assets.minus(row.liabilities);
        if (!net)
            return cannotCalculate("the net worth does not fit in a currency");
        row.netWorth = *net;
        if (s > 0) {
            const SummaryRow& previous = out.summary.back();
            const SummaryRow& first = out.summary.front();
            row.change = row.netWorth.minus(previous.netWorth);
            row.sinceFirst = row.netWorth.minus(first.netWorth);
            if (!row.change || !row.sinceFirst)
                return cannotCalculate("a change does not fit in a currency");
            row.yearlyRate = yearlyRate(first.netWorth, row.netWorth, row.date - first.date);
        }
        out.summary.push_back(std::move(row));
    }
    out.lines = std::move(assets);
    out.lines.insert(out.lines.end(), std::make_move_iterator(liabilities.begin()),
                     std::make_move_iterator(liabilities.end()));
    out.lines.insert(out.lines.end(), std::make_move_iterator(loanLines.begin()),
                     std::make_move_iterator(loanLines.end()));
    return out;
}
