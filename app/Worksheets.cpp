#include "Worksheets.h"

#include "BudgetTables.h"
#include "BudgetWindow.h"
#include "CompareTables.h"
#include "CompareWindow.h"
#include "GoalTables.h"
#include "GoalWindow.h"
#include "GraphsWindow.h"
#include "MdiContainer.h"
#include "MortgageTables.h"
#include "MortgageWindow.h"
#include "NetWorthTables.h"
#include "NetWorthWindow.h"
#include "SavingsTables.h"
#include "SavingsWindow.h"

ProgramWorksheets::ProgramWorksheets()
    : mortgage_(std::make_unique<MortgageTables>()), savings_(std::make_unique<SavingsTables>()),
      netWorth_(std::make_unique<NetWorthTables>()), compare_(std::make_unique<CompareTables>()),
      goal_(std::make_unique<GoalTables>()), budget_(std::make_unique<BudgetTables>()) {}

ProgramWorksheets::~ProgramWorksheets() = default;

void ProgramWorksheets::registerWith(MdiContainer& container) {
    const auto mortgage = [this](Workspace& workspace) -> QWidget* {
        return new MortgageWindow(workspace, *mortgage_);
    };
    container.registerWorksheet(Worksheet::Mortgage, mortgage);
    container.registerWorksheet(Worksheet::Loan, mortgage);
    container.registerWorksheet(Worksheet::Savings, [this](Workspace& workspace) -> QWidget* {
        return new SavingsWindow(workspace, *savings_);
    });
    container.registerWorksheet(Worksheet::NetWorth, [this](Workspace& workspace) -> QWidget* {
        return new NetWorthWindow(workspace, *netWorth_);
    });
    container.registerWorksheet(Worksheet::Compare, [this](Workspace& workspace) -> QWidget* {
        return new CompareWindow(workspace, *compare_);
    });
    container.registerWorksheet(Worksheet::Goal, [this](Workspace& workspace) -> QWidget* {
        return new GoalWindow(workspace, *goal_);
    });
    container.registerWorksheet(Worksheet::Budget, [this](Workspace& workspace) -> QWidget* {
        return new BudgetWindow(workspace, *budget_);
    });
    container.registerGraphWindow(
        [](Workspace& workspace) -> QWidget* { return new GraphsWindow(workspace); });
}
