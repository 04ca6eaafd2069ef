#include "BudgetEditing.h"

#include "NumberFormat.h"

bool boxesFilled(std::string_view description, std::string_view paymentsText,
                 std::string_view decimalPoint) {
    return !description.empty() && leadingNumber(paymentsText, decimalPoint) != 0.0;
}

std::optional<BudgetRecord> recordFromEntries(const std::string& description,
                                              const EntryValueSet& entries) {
    const auto amount = entries[1].times(entries[2]);
    const auto budgeted = entries[3].times(entries[2]);
    if (!amount || !budgeted)
        return std::nullopt;
    BudgetRecord r;
    r.Description = description;
    r.AnnualAmount = *amount;
    r.PaymentsPerYear = entries[2];
    r.AnnualBudgeted = *budgeted;
    return r;
}

bool appendRecord(BudgetTables& tables, RecordSide side, BudgetRecord record) {
    std::int16_t& count = tables.count(side);
    if (count >= MaxBudgetRecords)
        return false;
    ++count;
    record.RecNo = count;
    tables.records(side)[static_cast<std::size_t>(count)] = std::move(record);
    return true;
}

bool replaceRecord(BudgetTables& tables, RecordSide side, int number, BudgetRecord record) {
    if (number < 1 || number > tables.count(side))
        return false;
    BudgetRecord& slot = tables.records(side)[static_cast<std::size_t>(number)];
    record.RecNo = slot.RecNo;
    slot = std::move(record);
    return true;
}

std::optional<EntryValueSet> entriesOfRecord(const BudgetRecord& record) {
    if (record.PaymentsPerYear.isZero())
        return std::nullopt;
    const double payments = record.PaymentsPerYear.toDouble();
    const auto amount = Currency::fromDouble(record.AnnualAmount.toDouble() / payments);
    const auto budgeted = Currency::fromDouble(record.AnnualBudgeted.toDouble() / payments);
    if (!amount || !budgeted)
        return std::nullopt;
    return EntryValueSet{Currency{}, *amount, record.PaymentsPerYear, *budgeted};
}

bool deleteRecord(BudgetTables& tables, RecordSide side, int number) {
    std::int16_t& count = tables.count(side);
    if (number < 1 || number > count)
        return false;
    BudgetList& list = tables.records(side);
    list[static_cast<std::size_t>(number)] = BudgetRecord{};
    int kept = 0;
    for (int i = 1; i <= count; ++i) {
        if (list[static_cast<std::size_t>(i)].RecNo == 0)
            continue;
        ++kept;
        if (kept != i)
            list[static_cast<std::size_t>(kept)] = list[static_cast<std::size_t>(i)];
        list[static_cast<std::size_t>(kept)].RecNo = static_cast<std::int16_t>(kept);
    }
    list[static_cast<std::size_t>(count)] = BudgetRecord{};
    count = static_cast<std::int16_t>(kept);
    return true;
}
