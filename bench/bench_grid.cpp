// From the "&Calculate" click to the schedule grid holding every row, for the longest
// schedule the worksheet can produce (weekly payments over 40 years with 363 days).
#include <QComboBox>
#include <QPushButton>
#include <QWidget>
#include <benchmark/benchmark.h>

#include "CompareTables.h"
#include "CompareWindow.h"
#include "Dialogs.h"
#include "Grid.h"
#include "MortgageTables.h"
#include "MortgageWindow.h"
#include "PlanText.h"
#include "Printer.h"
#include "SavingsTables.h"
#include "SavingsWindow.h"
#include "ShellState.h"
#include "Workspace.h"

namespace {
// Nothing in the measured path opens a dialog or a printer; these only satisfy the window.
class QuietDialogs : public Dialogs {
  public:
    using Dialogs::Dialogs;
    void message() override { ++messages; }
    void yesNo() override {}
    void recordNumber() override {}
    void valueInput() override {}
    void printerHeader() override {}
    void fileDirectory() override {}
    int messages = 0;
};

class NoPrinters : public PrinterProvider {
  public:
    std::unique_ptr<Printer> open() override { return nullptr; }
};

class BenchWorkspace : public Workspace {
  public:
    ShellState& state() override { return shared; }
    Dialogs& dialogs() override { return quiet; }
    PrinterProvider& printers() override { return none; }
    QWidget* container() override { return &containerWidget; }
    void setCaption(const QString&) override {}
    void showMenu() override {}

    ShellState shared;
    MortgageTables tables;
    QuietDialogs quiet{shared};
    NoPrinters none;
    QWidget containerWidget;
};

void BM_CalculateToGrid(benchmark::State& st) {
    BenchWorkspace ws;
    ws.shared.TodayDate = "2027-01-01";
    MortgageWindow window(ws, ws.tables);
    window.resize(641, 430);
    ws.tables.LoanInputs[1] = Currency::fromWhole(200000);
    ws.tables.LoanInputs[2] = Currency::fromDouble(7.5).value();
    ws.tables.LoanInputs[3] = Currency::fromWhole(40);
    window.findChild<QComboBox*>("Comperiod")->setCurrentText("   Semiannual");
    window.findChild<QComboBox*>("FreqPmt")->setCurrentText("      1 Week");
    ws.tables.DaysChoice = 3;
    auto* calc = window.findChild<QPushButton*>("MCalc");
    auto* grid = window.findChild<Grid*>("MGrid");

    for (auto _ : st) {
        calc->click();
        benchmark::DoNotOptimize(grid->rows());
    }
    if (ws.quiet.messages != 0 || grid->rows() < 2080) {
        st.SkipWithError("the calculation did not fill the grid");
        return;
    }
    st.counters["rows"] = grid->rows() - 2; // less the heading and total rows
}

// The loan comparison: three 40-year weekly plans calculated, their results shown and the
// first plan's 2,080 payments in the grid.
void BM_CompareCalculateToGrid(benchmark::State& st) {
    BenchWorkspace ws;
    CompareTables tables;
    CompareWindow window(ws, tables);
    window.resize(641, 430);
    const char* planTexts[] = {"principal=400000,rate=6.5,frequency=1week,years=40",
                               "principal=400000,rate=6.5,frequency=1week,years=40,"
                               "convention=bank-exact,extra=25",
                               "principal=400000,rate=6.5,frequency=1week,years=40,"
                               "loan-date=2027-01-01,first-payment=2027-01-08"};
    for (std::size_t i = 0; i < 3; ++i)
        tables.Plans[i] = parsePlanText(planTexts[i]).value();
    auto* calc = window.findChild<QPushButton*>("CmpCalc");
    auto* grid = window.findChild<Grid*>("CmpGrid");
    for (auto _ : st) {
        calc->click();
        benchmark::DoNotOptimize(grid->rows());
    }
    if (ws.quiet.messages != 0 || grid->rows() != 2081) {
        st.SkipWithError("the calculation did not fill the grid");
        return;
    }
}
} // namespace

BENCHMARK(BM_CalculateToGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareCalculateToGrid)->Unit(benchmark::kMillisecond);

namespace {
// The same 40-year monthly plan as BM_GrowthMonthly40, from "&Calculate" to the grid.
void BM_SavingsCalculateToGrid(benchmark::State& st) {
    BenchWorkspace ws;
    SavingsTables tables;
    SavingsWindow window(ws, tables);
    window.resize(641, 430);
    namespace e = savings_input;
    tables.SavingsInputs[e::Lump] = Currency::fromWhole(10000);
    tables.SavingsInputs[e::Contribution] = Currency::fromWhole(300);
    tables.SavingsInputs[e::Rate] = Currency::fromDouble(7.5).value();
    tables.SavingsInputs[e::Increase] = Currency::fromWhole(3);
    tables.SavingsInputs[e::Inflation] = Currency::fromDouble(2.5).value();
    tables.SavingsInputs[e::Years] = Currency::fromWhole(40);
    window.findChild<QComboBox*>("InMonthsYrs")->setCurrentText("Monthly");
    auto* calc = window.findChild<QPushButton*>("SCalc");
    auto* grid = window.findChild<Grid*>("SGrid");
    for (auto _ : st) {
        calc->click();
        benchmark::DoNotOptimize(grid->rows());
    }
    if (ws.quiet.messages != 0 || grid->rows() != 484)
        st.SkipWithError("the calculation did not fill the grid");
}
} // namespace

BENCHMARK(BM_SavingsCalculateToGrid)->Unit(benchmark::kMillisecond);
