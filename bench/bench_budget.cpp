// The budget worksheet at its limits: 500 records a side sorted and drawn into both grids,
// and the same budget written to a file and read back.
#include <QWidget>
#include <benchmark/benchmark.h>

#include "BudgetFile.h"
#include "BudgetTables.h"
#include "BudgetWindow.h"
#include "Dialogs.h"
#include "Printer.h"
#include "ShellState.h"
#include "Workspace.h"

namespace {

class SilentDialogs : public Dialogs {
  public:
    using Dialogs::Dialogs;
    void message() override {}
    void yesNo() override {}
    void recordNumber() override {}
    void valueInput() override {}
    void printerHeader() override {}
    void fileDirectory() override {}
};

class NoPrinter : public PrinterProvider {
  public:
    std::unique_ptr<Printer> open() override { return nullptr; }
};

class BudgetBenchWorkspace : public Workspace {
  public:
    ShellState& state() override { return shared; }
    Dialogs& dialogs() override { return silent; }
    PrinterProvider& printers() override { return none; }
    QWidget* container() override { return &containerWidget; }
    void setCaption(const QString&) override {}
    void showMenu() override {}

    ShellState shared;
    SilentDialogs silent{shared};
    NoPrinter none;
    QWidget containerWidget;
};

// 500 records a side, in reverse name order so that every refresh has sorting to do.
void fillBudget(BudgetTables& t) {
    for (int i = 1; i <= MaxBudgetRecords; ++i) {
        for (RecordSide side : {RecordSide::Income, RecordSide::Expense}) {
            BudgetRecord& r = t.records(side)[static_cast<std::size_t>(i)];
            r.RecNo = static_cast<std::int16_t>(i);
            r.Description = "Record, number " + std::to_string(1000 - i);
            r.AnnualAmount = Currency::fromRaw(1234567 + 1111LL * i);
            r.PaymentsPerYear = Currency::fromWhole(12);
            r.AnnualBudgeted = Currency::fromRaw(1000000 + 777LL * i);
        }
    }
    t.IncomeCount = t.ExpenseCount = MaxBudgetRecords;
}

void BM_BudgetRefresh500(benchmark::State& state) {
    BudgetBenchWorkspace workspace;
    auto tables = std::make_unique<BudgetTables>();
    BudgetWindow window(workspace, *tables);
    window.resize(645, 456);
    auto unsorted = std::make_unique<BudgetTables>();
    fillBudget(*unsorted);
    for (auto _ : state) {
        state.PauseTiming();
        tables->IncomeRecords = unsorted->IncomeRecords;
        tables->ExpenseRecords = unsorted->ExpenseRecords;
        tables->IncomeCount = tables->ExpenseCount = MaxBudgetRecords;
        state.ResumeTiming();
        window.refreshBudget();
    }
}
BENCHMARK(BM_BudgetRefresh500)->Unit(benchmark::kMillisecond);

void BM_BudgetFileRoundTrip500(benchmark::State& state) {
    auto tables = std::make_unique<BudgetTables>();
    fillBudget(*tables);
    for (auto _ : state) {
        const std::string text = writeBudgetFile(*tables);
        const BudgetFileRead read = readBudgetFile(text);
        benchmark::DoNotOptimize(read.tables.ExpenseCount);
    }
}
BENCHMARK(BM_BudgetFileRoundTrip500)->Unit(benchmark::kMillisecond);

} // namespace
