#pragma once
// The household of the worked case: a budget of three records, their rules and a month of
// its bank's transactions as the bank exports them.
#include <string>

#include "Actuals.h"
#include "BudgetEditing.h"
#include "Dates.h"

namespace actual_test {

inline Currency money(const char* text) {
    return *Currency::fromDouble(std::stod(text));
}

// Rent 1,200.00 x 12 and Groceries 150.00 x 52 spent, Salary 2,000.00 x 26 earned.
inline BudgetTables householdBudget() {
    BudgetTables b;
    const auto add = [&](RecordSide side, const char* name, const char* amount, int times) {
        const EntryValueSet e{Currency{}, money(amount), Currency::fromWhole(times), money(amount)};
        appendRecord(b, side, *recordFromEntries(name, e));
    };
    add(RecordSide::Income, "Salary", "2000", 26);
    add(RecordSide::Expense, "Rent", "1200", 12);
    add(RecordSide::Expense, "Groceries", "150", 52);
    return b;
}

inline std::vector<ActualRule> householdRules() {
    return {{"RENT", "Rent"}, {"SAFEWAY", "Groceries"}, {"ACME PAYROLL", "Salary"}};
}

inline const std::string MarchCsv = "Date,Description,Amount\n"
                                    "2025-03-01,RENT MARCH,-1200.00\n"
                                    "2025-03-03,SAFEWAY #1234,-143.20\n"
                                    "2025-03-05,CORNER COFFEE,-4.50\n"
                                    "2025-03-07,ACME PAYROLL,2000.00\n"
                                    "2025-03-10,SAFEWAY #1234,-161.85\n"
                                    "2025-03-17,SAFEWAY #0456,-152.40\n"
                                    "2025-03-21,ACME PAYROLL,2000.00\n"
                                    "2025-03-24,SAFEWAY #1234,-149.99\n"
                                    "2025-03-31,SAFEWAY #1234,-155.10\n";

inline BankTransaction transaction(const char* iso, const char* amount, const char* payee,
                                   const char* fitid = "", const char* memo = "") {
    return {*parseDateText(iso), money(amount), payee, memo, fitid};
}

} // namespace actual_test
