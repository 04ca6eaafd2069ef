#include "BudgetHelp.h"

#include <array>

namespace {
const std::array<const char*, 15> Paragraphs = {
    "Background Color: Input boxes are yellow, records white and results green.",
    "    Annual Income or Annual Expenses",
    "Type your data in the four top row input boxes, then click the Add button, data will move "
    "down to the "
    "spreadsheet.",
    "Entries in the second input boxes should be your current income/expenses. Third boxes, number "
    "of times each "
    "year the amounts were received/paid. Fourth boxes, your adjusted budget figures.",
    "To use either of the following two buttons, first click on row to select record number.",
    "What If? button: Record will show in top input boxes for change. Use to alter a record or "
    "reduce an expense.",
    "Delete button: Deletes a record from the spreadsheet.",
    "Show for Period: Click down-arrow to open, then select period. Amounts will be shown for that "
    "period. Totals "
    "text will also change.",
    "Sort by: Click down-arrow to open, then select type of sort. Records will be sorted.",
    "Open File button: Opens a file from disk.",
    "Save File button: Saves the current file to disk.",
    "To Printer button: Sends the budget data to your printer.",
    "All results shown rounded up or down to the nearest cent.",
    "Open the Sample.BGT file and try out all the features.",
    "Press F1 key for more detailed information.",
};
} // namespace

std::string budgetQuickHelp(const std::string& lineEnd) {
    std::string text;
    for (const char* p : Paragraphs)
        text += std::string(p) + lineEnd + lineEnd;
    return text + std::string(25, ' ') + "End";
}
