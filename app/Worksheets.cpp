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
    // id, menu button, caption, Tab place, what choosing it sets, its window, its listed name
    // (the loan planner is listed with the mortgage's).
    rows_ = {
        {"mortgage", "Canadian", QStringLiteral("Planning your &Mortgage"), 9,
         [](ShellState& state) { state.MortgageMode = 1; }, over<MortgageWindow, MortgageTables>(),
         QStringLiteral("Mortgages and loans")},
        {"loan", "LoanPmt", QStringLiteral("Planning your &Loans"), 3,
         [](ShellState& state) { state.MortgageMode = 2; }, over<MortgageWindow, MortgageTables>()},
        {"budget", "ToBudget", QStringLiteral("Planning your &Budget"), 4, nullptr,
         over<BudgetWindow, BudgetTables>(), QStringLiteral("Budget")},
        {"savings", "Savings", QStringLiteral("Planning your &Savings"), 10,
         [](ShellState& state) { state.ContextCode = 1; }, over<SavingsWindow, SavingsTables>(),
         QStringLiteral("Savings")},
        {"networth", "Networth", QStringLiteral("&Net Worth"), 0, nullptr,
         over<NetWorthWindow, NetWorthTables>(), QStringLiteral("Net worth")},
        {"compare", "Compare", QStringLiteral("&Compare Loans"), 1, nullptr,
         over<CompareWindow, CompareTables>(), QStringLiteral("Compare Loans")},
        {"goal", "Goal", QStringLiteral("Savings &Goal"), 2, nullptr,
         over<GoalWindow, GoalTables>(), QStringLiteral("Savings Goal")},
        {"history", "History", QStringLiteral("Ne&t Worth History"), 11, nullptr,
         over<HistoryWindow, HistoryTables>(), QStringLiteral("Net Worth History")},
        {"actual", "Actual", QStringLiteral("Budget vs Act&ual"), 12, nullptr,
         over<ActualWindow, ActualTables>(), QStringLiteral("Budget vs Actual")},
    };
}

GraphWindowFactory ProgramWorksheets::graphWindow() {
    return [](Workspace& workspace, const WorksheetGraph& request) -> QWidget* {
        return new GraphsWindow(workspace, request);
    };
}
