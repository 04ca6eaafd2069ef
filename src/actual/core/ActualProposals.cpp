#include "ActualProposals.h"

#include <algorithm>
#include <map>

#include "BudgetEditing.h"
#include "BudgetPeriods.h"
#include "Dates.h"
#include "Messages.h"

namespace {

// Twice the median, so that an even count needs no fraction.
template <class T> T doubleMedian(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] + values[n / 2] : values[n / 2 - 1] + values[n / 2];
}

// Days of the month in two clusters, each within two days.
bool twoDaysOfMonth(const std::vector<int>& dates) {
    std::vector<int> days;
    for (int date : dates) {
        int y, m, d;
        dateParts(date, y, m, d);
        days.push_back(d);
    }
    std::sort(days.begin(), days.end());
    for (std::size_t split = 1; split < days.size(); ++split)
        if (days[split - 1] - days.front() <= 2 && days.back() - days[split] <= 2)
            return true;
    return false;
}

std::string wordFor(int paymentsPerYear) {
    for (const BudgetPeriod& p : BudgetPeriods)
        if (p.factor == paymentsPerYear)
            return std::string(p.word);
    return {};
}

} // namespace

int paymentsPerYearOf(const std::vector<int>& sortedDates) {
    if (sortedDates.size() < 3)
        return 0;
    std::vector<int> gaps;
    for (std::size_t i = 1; i < sortedDates.size(); ++i)
        gaps.push_back(sortedDates[i] - sortedDates[i - 1]);
    const int twice = doubleMedian(gaps);
    const auto near = [twice](int days, int slack) {
        return twice >= 2 * (days - slack) && twice <= 2 * (days + slack);
    };
    if (near(7, 1))
        return 52;
    if (near(14, 2))
        return twoDaysOfMonth(sortedDates) ? 24 : 26;
    if (near(15, 3) && twoDaysOfMonth(sortedDates))
        return 24;
    if (near(30, 4))
        return 12;
    if (near(91, 10))
        return 4;
    if (near(182, 15))
        return 2;
    if (near(365, 20))
        return 1;
    return 0;
}

std::vector<Proposal> proposeRecords(const std::vector<BankTransaction>& transactions,
                                     const std::vector<std::optional<RecordRef>>& matches) {
    struct Group {
        std::string text;
        RecordSide side;
        std::vector<int> dates;
        std::vector<std::int64_t> amounts;
    };
    std::vector<Group> groups;
    std::map<std::pair<std::string, RecordSide>, std::size_t> index;
    for (std::size_t i = 0; i < transactions.size(); ++i) {
        if (i < matches.size() && matches[i])
            continue;
        const BankTransaction& t = transactions[i];
        const std::string text = proposedRuleText(t.payee);
        if (text.empty())
            continue;
        const auto key = std::make_pair(upperAscii(text), sideOf(t));
        auto [at, fresh] = index.try_emplace(key, groups.size());
        if (fresh)
            groups.push_back({text, key.second, {}, {}});
        Group& g = groups[at->second];
        g.dates.push_back(t.date);
        g.amounts.push_back(t.amount.raw() < 0 ? -t.amount.raw() : t.amount.raw());
    }
    std::vector<Proposal> out;
    for (Group& g : groups) {
        std::sort(g.dates.begin(), g.dates.end());
        const int n = paymentsPerYearOf(g.dates);
        if (n == 0)
            continue;
        // The median to the cent, half away from zero.
        const std::int64_t twice = doubleMedian(g.amounts);
        const std::int64_t cent = Currency::Scale / 100;
        const std::int64_t cents = (twice / cent + 1) / 2;
        out.push_back({g.text, g.side, Currency::fromRaw(cents * cent), n, wordFor(n),
                       static_cast<int>(g.dates.size())});
    }
    return out;
}

Result<int> addProposals(BudgetTables& budget, std::vector<ActualRule>& rules,
                         const std::vector<Proposal>& chosen) {
    BudgetTables changed = budget;
    std::vector<ActualRule> newRules = rules;
    for (const Proposal& p : chosen) {
        const EntryValueSet entries{Currency{}, p.amount, Currency::fromWhole(p.paymentsPerYear),
                                    p.amount};
        const auto record = recordFromEntries(p.description, entries);
        if (!record)
            return Failure{msg::CannotCalculate, "the yearly amount of " + p.description};
        if (!appendRecord(changed, p.side, *record))
            return Failure{msg::RecordLimit500, "no room for " + p.description};
        newRules.push_back({p.description, p.description});
    }
    changed.BudgetChanged = 1;
    budget = std::move(changed);
    rules = std::move(newRules);
    return static_cast<int>(chosen.size());
}
