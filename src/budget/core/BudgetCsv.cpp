#include "BudgetCsv.h"

#include "Csv.h"
#include "NumberFormat.h"

namespace {

std::string csvAmount(Currency yearly, int factor) {
    static const NumberSeparators plain{".", ""};
    return formatNumber(yearly.toDouble() / static_cast<double>(factor), "####,,##0.00", plain);
}

void appendSide(std::string& out, const char* side, const BudgetList& records, int count,
                int factor) {
    for (int i = 1; i <= count && i <= MaxBudgetRecords; ++i) {
        const BudgetRecord& r = records[static_cast<std::size_t>(i)];
        out += side;
        out += ',' + std::to_string(r.RecNo) + ',' + csvField(r.Description) + ',' +
               csvAmount(r.AnnualAmount, factor) + ',' + csvAmount(r.AnnualBudgeted, factor) +
               "\r\n";
    }
}

} // namespace

std::string budgetCsv(const BudgetTables& tables, int periodFactor) {
    std::string out = "side,number,description,amount,budgeted\r\n";
    appendSide(out, "income", tables.IncomeRecords, tables.IncomeCount, periodFactor);
    appendSide(out, "expense", tables.ExpenseRecords, tables.ExpenseCount, periodFactor);
    return out;
}
