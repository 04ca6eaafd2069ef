#pragma once
// An actuals file's content: the budget it is held against, the transactions imported from
// bank exports and the rules that send them to the budget's records.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "BankTransaction.h"
#include "BudgetTables.h"

// A rule: a transaction whose payee or memo holds `text` (case ignored) goes to the record
// described `record`.
struct ActualRule {
    std::string text;
    std::string record;
    friend bool operator==(const ActualRule&, const ActualRule&) = default;
};

struct Actuals {
    std::string budgetPath; // relative to the actuals file's folder
    std::vector<BankTransaction> transactions;
    std::vector<ActualRule> rules;
};

// The text a transaction is known by: the payee, then " / " and the memo when there is one.
std::string transactionText(const BankTransaction& t);

// Appends the transactions of one bank export that `held` does not have yet: the same FITID
// is the same transaction; without a FITID on either side, the same date, amount and text
// is, counted with multiplicity (a file holding two equal coffees adds the second when
// `held` has one). Returns how many were added.
int importTransactions(std::vector<BankTransaction>& held,
                       const std::vector<BankTransaction>& incoming);

// A record of the budget, by side and number (1..count).
struct RecordRef {
    RecordSide side = RecordSide::Expense;
    int number = 0;
    friend bool operator==(const RecordRef&, const RecordRef&) = default;
};

// The record described `description` (blanks around it and case ignored) on `side`.
std::optional<RecordRef> findRecord(const BudgetTables& budget, RecordSide side,
                                    std::string_view description);

// The side an amount can go to: money out to expenses, anything else to income.
RecordSide sideOf(const BankTransaction& t);

// The record the first fitting rule sends `t` to: its text inside the payee or the memo,
// case ignored, and a record of that description on the amount's side.
std::optional<RecordRef> matchTransaction(const BankTransaction& t,
                                          const std::vector<ActualRule>& rules,
                                          const BudgetTables& budget);

// Every transaction's record, in order.
std::vector<std::optional<RecordRef>> matchAll(const std::vector<BankTransaction>& transactions,
                                               const std::vector<ActualRule>& rules,
                                               const BudgetTables& budget);

// The rule text "Assign" proposes for a payee: its words without digits and '#' (nor double
// quotes, which no budget description holds).
std::string proposedRuleText(std::string_view payee);

// Upper case of a-z only, for comparisons that ignore case.
std::string upperAscii(std::string_view text);
