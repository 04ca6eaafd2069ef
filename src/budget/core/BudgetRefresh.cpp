#include "BudgetRefresh.h"

#include "Messages.h"

std::optional<BudgetSums> sideSums(const BudgetList& records, int count) {
    BudgetSums sums;
    for (int i = 1; i <= count && i <= MaxBudgetRecords; ++i) {
        const BudgetRecord& r = records[static_cast<std::size_t>(i)];
        const auto total = sums.total.plus(r.AnnualAmount);
        const auto budgeted = sums.budgeted.plus(r.AnnualBudgeted);
        if (!total || !budgeted)
            return std::nullopt;
        sums.total = *total;
        sums.budgeted = *budgeted;
    }
    return sums;
}

Result<BudgetFigures> budgetFigures(const BudgetTables& tables) {
    const Failure overflow{msg::CannotCalculate, "a budget sum does not fit"};
    const auto income = sideSums(tables.IncomeRecords, tables.IncomeCount);
    const auto expense = sideSums(tables.ExpenseRecords, tables.ExpenseCount);
    if (!income || !expense)
        return overflow;
    const auto net = income->total.minus(expense->total);
    const auto netBudgeted = income->budgeted.minus(expense->budgeted);
    if (!net || !netBudgeted)
        return overflow;
    return BudgetFigures{*income, *expense, *net, *netBudgeted};
}

std::string periodFigure(Currency yearly, int factor, const NumberSeparators& seps) {
    return formatNumber(yearly.toDouble() / static_cast<double>(factor), "###,,###.00", seps);
}

std::vector<std::string> sideCells(const BudgetList& records, int count, int factor,
                                   const NumberSeparators& seps) {
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(count) * BudgetGridCols);
    for (int i = 1; i <= count && i <= MaxBudgetRecords; ++i) {
        const BudgetRecord& r = records[static_cast<std::size_t>(i)];
        cells.push_back(std::to_string(r.RecNo));
        cells.push_back(r.Description);
        cells.push_back(RightAlign(periodFigure(r.AnnualAmount, factor, seps), 10));
        cells.push_back(RightAlign(periodFigure(r.AnnualBudgeted, factor, seps), 10));
    }
    return cells;
}

std::vector<std::string> budgetGridHeadings(RecordSide side) {
    return {"No.", "Description", side == RecordSide::Income ? "Income" : "Expense", "Budgeted"};
}

BudgetLabels budgetLabels(const BudgetFigures& figures, const BudgetPeriod& period,
                          const std::string& currencySymbol, const NumberSeparators& seps) {
    const int f = period.factor;
    BudgetLabels l;
    l.incomeCaption = period.incomeLabel;
    l.expenseCaption = period.expenseLabel;
    l.TotInc = RightAlign(periodFigure(figures.income.total, f, seps), 12);
    l.TotIncBgt = RightAlign(periodFigure(figures.income.budgeted, f, seps), 12);
    l.TotExp = RightAlign(periodFigure(figures.expense.total, f, seps), 12);
    l.TotExpBgt = RightAlign(periodFigure(figures.expense.budgeted, f, seps), 12);
    l.netCaption = std::string(period.word) + " Net Balance";
    l.NetBalance = RightAlign(currencySymbol + periodFigure(figures.net, f, seps), 12);
    l.NetBalanceBgt = RightAlign(currencySymbol + periodFigure(figures.netBudgeted, f, seps), 12);
    l.netNegative = figures.net < Currency{};
    l.netBudgetedNegative = figures.netBudgeted < Currency{};
    return l;
}
