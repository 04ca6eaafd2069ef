#include "ActualTables.h"

std::vector<std::string> actualQuickHelp() {
    return {
        "Budget vs Actual holds a budget against what your bank says was spent and received.",
        "Budget File chooses the budget (.Bgt). Import reads what the bank exports: OFX, QFX, "
        "QIF or CSV, one file or several picked at once (a file that cannot be read stops the "
        "whole import); a transaction already imported is not imported twice.",
        "A rule sends a transaction to a budget record when its text is inside the payee or "
        "the memo (case ignored); the first rule that fits wins. Money out goes only to "
        "expense records, money in only to income records.",
        "To make a rule, choose a transaction in the Unmatched list (its payee's words become "
        "the rule text, which you may change), choose the record in the grid, and press Assign.",
        "Period and Start date choose what the grid compares: each record's budgeted figure for "
        "the period, as the budget shows it, the actual figure, the difference and the per cent "
        "of the budget. An empty start date means the month of the latest transaction.",
        "Propose lists unmatched payees that recur (weekly, every two weeks, twice a month, "
        "monthly, quarterly, half-yearly, yearly). Check those you want and press Add Checked: "
        "they become budget records, saved into the budget file, each with its rule.",
        "Save File keeps the transactions, the rules and the budget's name in an actuals file "
        "(.Act).",
    };
}
