#pragma once
// Budget records proposed from unmatched transactions that recur, and adding the chosen
// ones to the budget.
#include <string>
#include <vector>

#include "ActualPeriod.h"

struct Proposal {
    std::string description; // the proposed rule text
    RecordSide side = RecordSide::Expense;
    Currency amount;         // the median amount, as money received or spent
    int paymentsPerYear = 0; // 52, 26, 24, 12, 4, 2 or 1
    std::string frequency;   // the budget's word for it: "Weekly", "Monthly", ...
    int count = 0;           // transactions in the group
};

// The frequency whose gap the median gap fits, as payments a year: 7 +- 1 days weekly, 14 +- 2
// every two weeks (on two fixed days of the month: twice a month), 30 +- 4 monthly, 91 +- 10
// quarterly, 182 +- 15 half-yearly, 365 +- 20 yearly. 0 when none fits.
int paymentsPerYearOf(const std::vector<int>& sortedDates);

// Groups the unmatched transactions (all dates) by their proposed rule text and side; a group
// of three or more whose dates recur becomes a proposal. In order of first appearance.
std::vector<Proposal> proposeRecords(const std::vector<BankTransaction>& transactions,
                                     const std::vector<std::optional<RecordRef>>& matches);

// Adds the proposals to the budget as new records (through the budget's own record making),
// and a rule each to `rules`. Fails with message 33 when a side is full, 26 when an amount
// does not fit; the budget and rules are then unchanged.
Result<int> addProposals(BudgetTables& budget, std::vector<ActualRule>& rules,
                         const std::vector<Proposal>& chosen);
