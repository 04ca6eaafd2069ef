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

// Adds `amount` to `sum`; false when it does not fit.
bool addTo(Currency& sum, Currency amount) {
    const auto total = sum.plus(amount);
    if (total)
        sum = *total;
    return total.has_value();
}

// The lines of one side across the statements, matched by their key. Names are looked up
// as written first (they repeat from one statement to the next), by their key only when new.
class LineTable {
  public:
    LineTable(std::vector<HistoryLine>& lines, bool liability, std::size_t statements)
        : lines_(lines), liability_(liability), statements_(statements) {}

    // The line named `name`, which outlives the table.
    std::size_t line(std::string_view name) {
        if (const auto seen = written_.find(name); seen != written_.end())
            return seen->second;
        const auto [at, added] = byKey_.try_emplace(lineKey(name), lines_.size());
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
            seenIn_.push_back(statements_);
        }
        written_.emplace(name, at->second);
        return at->second;
    }
    // The line keyed `key`, when any statement has one.
    std::optional<std::size_t> keyed(const std::string& key) const {
        const auto at = byKey_.find(key);
        return at == byKey_.end() ? std::nullopt : std::optional<std::size_t>(at->second);
    }
    HistoryLine& operator[](std::size_t i) { return lines_[i]; }
    // The last statement that listed line `i` (`statements` for none yet).
    std::size_t& seenIn(std::size_t i) { return seenIn_[i]; }

  private:
    std::vector<HistoryLine>& lines_;
    std::unordered_map<std::string_view, std::size_t> written_;
    std::unordered_map<std::string, std::size_t> byKey_;
    std::vector<std::size_t> seenIn_;
    bool liability_;
    std::size_t statements_;
};

// Records the ordinary lines of statement `s`'s list `rows` (as its file holds them: the
// calculation only drops the lines without a name and fills the sub-totals). False when an
// amount does not fit in a currency.
bool recordList(LineTable& table, const NetWorthTable& rows, std::size_t s) {
    for (int i = 1; i <= NetWorthLines; ++i) {
        const NetWorthLine& line = rows[static_cast<std::size_t>(i)];
        if (line.name.empty() || isSubTotal(line.name))
            continue;
        const std::size_t at = table.line(line.name);
        table.seenIn(at) = s;
        if (!line.amount)
            continue; // the empty amount: shown blank, as in the statement
        const std::optional<Currency> amount = Currency::fromDouble(*line.amount);
        if (!amount)
            return false;
        // A line named twice in one statement counts twice, as its total does.
        std::optional<Currency>& cell = table[at].amounts[s];
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
    if (!first || read.data.input.dateView != DateView::Dates)
        return detail(std::string(fileName) +
                      ": the loan has no payment dates. Set its first payment date in its "
                      "worksheet, with dates shown, and save it.");
    AmortizationInput input = read.data.input;
    input.firstPaymentDate = *first;
    input.dateView = DateView::Dates;
    const Result<Amortization> schedule = amortize(input);
    if (!schedule)
        return Failure{schedule.failure().code,
                       std::string(fileName) + ": " + messageText(schedule.failure().code)};
    LoanBalances out;
    out.principal = input.principal;
    for (const PaymentRow& row : schedule->payments)
        out.paid.emplace_back(row.date.value_or(0), row.balance);
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
    std::vector<std::pair<std::string, std::string>> loanKeys; // its description, its line
    for (const FollowedLoan& loan : history.loans) {
        HistoryLine& line = loanLines.emplace_back();
        line.name = loan.description + (loan.balances ? " (loan file)" : " (loan file missing)");
        line.liability = line.loan = true;
        line.missing = !loan.balances;
        line.amounts.resize(n);
        loanKeys.emplace_back(lineKey(loan.description), lineKey(line.name));
    }
    out.summary.reserve(n);
    for (std::size_t s = 0; s < n; ++s) {
        const Statement& statement = history.statements[s];
        // The totals as the net worth worksheet calculates them.
        const Result<PackedList> assetList = packList(statement.lines.AssetRows);
        if (!assetList)
            return assetList.failure();
        const Result<PackedList> liabilityList = packList(statement.lines.LiabilityRows);
        if (!liabilityList)
            return liabilityList.failure();
        if (!recordList(assetTable, statement.lines.AssetRows, s) ||
            !recordList(liabilityTable, statement.lines.LiabilityRows, s))
            return cannotCalculate("an amount does not fit in a currency");
        SummaryRow row{statement.date,
                       statement.label,
                       assetList->total,
                       liabilityList->total,
                       {},
                       {},
                       {},
                       {}};
        // A statement that lists the loan itself already counts it.
        const auto listed = [&](const std::string& key) {
            const std::optional<std::size_t> line = liabilityTable.keyed(key);
            return line && liabilityTable.seenIn(*line) == s;
        };
        for (std::size_t l = 0; l < history.loans.size(); ++l) {
            const FollowedLoan& loan = history.loans[l];
            if (!loan.balances || listed(loanKeys[l].first) || listed(loanKeys[l].second))
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
