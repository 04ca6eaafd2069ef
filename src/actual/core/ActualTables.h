#pragma once
// The budget vs actual worksheet's data while it is open: the actuals, the budget they are
// held against and where it lives, the period chosen and the unsaved-changes mark. Leaving
// the worksheet resets it with `tables = {}`.
#include <string>
#include <vector>

#include "Actuals.h"

struct ActualTables {
    Actuals actuals;        // budgetPath as the file stores it
    std::string budgetFile; // the budget's full name; "" when none is chosen
    BudgetTables budget;
    std::string period = "Monthly"; // one of the budget's period names
    int start = 0;                  // the period's start; 0: the month of the latest transaction
    int ActualChanged = 0;          // 1 after an import or a new rule, 0 after a save
};

// The quick help of the worksheet, a line a paragraph.
std::vector<std::string> actualQuickHelp();
