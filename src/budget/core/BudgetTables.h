#pragma once
// The budget worksheet's data: two record tables of 501 slots (slot 0 unused, records in
// slots 1..count), the entry values of the fields being typed, the chosen sort order and
// the unsaved-changes mark. Owned by the application while the worksheet is open; leaving
// the worksheet resets it with `tables = {}`.
#include <array>
#include <cstdint>
#include <string>

#include "Currency.h"

constexpr int MaxBudgetRecords = 500;

struct BudgetRecord {
    std::int16_t RecNo = 0;   // the record's slot; 0 marks a slot being deleted
    std::string Description;  // never holds a double quote
    Currency AnnualAmount;    // amount per payment x payments per year
    Currency PaymentsPerYear; // a whole number
    Currency AnnualBudgeted;  // budgeted amount per payment x payments per year

    friend bool operator==(const BudgetRecord&, const BudgetRecord&) = default;
};

using BudgetList = std::array<BudgetRecord, MaxBudgetRecords + 1>;

enum class RecordSide { Income = 1, Expense = 2 };

struct BudgetTables {
    BudgetList IncomeRecords{};
    BudgetList ExpenseRecords{};
    std::int16_t IncomeCount = 0;
    std::int16_t ExpenseCount = 0;
    // 1 amount per payment, 2 payments per year, 3 budgeted amount per payment (slot 0 unused).
    std::array<Currency, 4> EntryValues{};
    // Marks an entry value typed beyond Currency's range (stored as 0): adding refuses it.
    std::array<bool, 4> EntryOutOfRange{};
    std::int16_t SortOrder = 1;     // 1-4, the entries of the "Sorted by" list
    std::int16_t BudgetChanged = 0; // 1 after every refresh, 0 after a save

    BudgetList& records(RecordSide side) {
        return side == RecordSide::Income ? IncomeRecords : ExpenseRecords;
    }
    const BudgetList& records(RecordSide side) const {
        return side == RecordSide::Income ? IncomeRecords : ExpenseRecords;
    }
    std::int16_t& count(RecordSide side) {
        return side == RecordSide::Income ? IncomeCount : ExpenseCount;
    }
    std::int16_t count(RecordSide side) const {
        return side == RecordSide::Income ? IncomeCount : ExpenseCount;
    }
    bool empty() const { return IncomeCount == 0 && ExpenseCount == 0; }
};
