#include "Worksheets.h"

#include "ActualTables.h"
#include "ActualWindow.h"
#include "BudgetTables.h"
#include "BudgetWindow.h"
#include "CompareTables.h"
#include "CompareWindow.h"
#include "GoalTables.h"
#include "GoalWindow.h"
#include "GraphsWindow.h"
#include "HistoryTables.h"
#include "HistoryWindow.h"
#include "MortgageTables.h"
#include "MortgageWindow.h"
#include "NetWorthTables.h"
#include "NetWorthWindow.h"
#include "SavingsTables.h"
#include "SavingsWindow.h"
#include "ShellState.h"

template <class Window, class Tables> WorksheetRow::Factory ProgramWorksheets::over() {
    std::shared_ptr<void>& part = tables_[std::type_index(typeid(Tables))];
    if (!part)
        part = std::make_shared<Tables>();
    Tables* tables = static_cast<Tables*>(part.get());
    return [tables](Workspace& workspace) -> QWidget* { return new Window(workspace, *tables); };
}

ProgramWorksheets::ProgramWorksheets() {
    // id, menu button, caption, Tab place, what choosing it sets, its window.
    rows_ = {
        {"mortgage", "Canadian", QStringLiteral("Planning your &Mortgage"), 9,
         [](ShellState& state) { state.MortgageMode = 1; }, over<MortgageWindow, MortgageTables>()},
        {"loan", "LoanPmt", QStringLiteral("Planning your &Loans"), 3,
         [](ShellState& state) { state.MortgageMode = 2; }, over<MortgageWindow, MortgageTables>()},
        {"budget",
         "ToBudget",
         QStringLiteral("Planning your &Budget"),
         4,
         {},
         over<BudgetWindow, BudgetTables>()},
        {"savings", "Savings", QStringLiteral("Planning your &Savings"), 10,
         [](ShellState& state) { state.ContextCode = 1; }, over<SavingsWindow, SavingsTables>()},
        {"networth",
         "Networth",
         QStringLiteral("&Net Worth"),
         0,
         {},
         over<NetWorthWindow, NetWorthTables>()},
        {"compare",
         "Compare",
         QStringLiteral("&Compare Loans"),
         1,
         {},
         over<CompareWindow, CompareTables>()},
        {"goal", "Goal", QStringLiteral("Savings &Goal"), 2, {}, over<GoalWindow, GoalTables>()},
        {"history",
         "History",
         QStringLiteral("Ne&t Worth History"),
         11,
         {},
         over<HistoryWindow, HistoryTables>()},
        {"actual",
         "Actual",
         QStringLiteral("Budget vs Act&ual"),
         12,
         {},
         over<ActualWindow, ActualTables>()},
    };
}

WorksheetRow::Factory ProgramWorksheets::graphWindow() {
    return [](Workspace& workspace) -> QWidget* { return new GraphsWindow(workspace); };
}
