#pragma once
// What a refresh of the budget worksheet shows: per-period grid cells, the totals and the
// two net balances, all derived from the stored yearly figures. Figures are stored exactly
// and only divided for display, so a total is divided once, not summed from rounded cells.
#include <optional>
#include <string>
#include <vector>

#include "BudgetPeriods.h"
#include "BudgetTables.h"
#include "NumberFormat.h"
#include "Result.h"

struct BudgetSums {
    Currency total;    // sum of AnnualAmount
    Currency budgeted; // sum of AnnualBudgeted
};

struct BudgetFigures {
    BudgetSums income;
    BudgetSums expense;
    Currency net;         // income - expense, yearly
    Currency netBudgeted; // budgeted income - budgeted expense, yearly
};

// Yearly sums of records 1..count; nothing when a sum overflows.
std::optional<BudgetSums> sideSums(const BudgetList& records, int count);
// Both sides and the nets; a sum that does not fit fails with message 26.
Result<BudgetFigures> budgetFigures(const BudgetTables& tables);

// A yearly figure for the period: yearly / factor in double, pattern "###,,###.00".
std::string periodFigure(Currency yearly, int factor, const NumberSeparators& seps = {});

// The grid's body cells of a side, row by row, four texts a row: RecNo, Description,
// amount and budgeted amount for the period (right-aligned to 10).
std::vector<std::string> sideCells(const BudgetList& records, int count, int factor,
                                   const NumberSeparators& seps = {});

constexpr int BudgetGridCols = 4;
constexpr int BudgetGridSpareRows = 11; // rows past the records: the grid has count + 11
std::vector<std::string> budgetGridHeadings(RecordSide side);

// The labels of the refresh.
struct BudgetLabels {
    std::string incomeCaption;                        // " Monthly income"
    std::string expenseCaption;                       // " Monthly expenses"
    std::string TotInc, TotIncBgt, TotExp, TotExpBgt; // right-aligned to 12, no symbol
    std::string netCaption;                           // "Monthly Net Balance"
    std::string NetBalance, NetBalanceBgt;            // symbol and figure, right-aligned to 12
    bool netNegative = false;                         // shown red; decided on the yearly figure
    bool netBudgetedNegative = false;
};
BudgetLabels budgetLabels(const BudgetFigures& figures, const BudgetPeriod& period,
                          const std::string& currencySymbol, const NumberSeparators& seps = {});
