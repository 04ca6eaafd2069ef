#pragma once
// What `pecunex-report actual` prints, from its files and options: an actuals file, or a
// budget file with bank exports to import and rules given on the command line.
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "ActualReport.h"
#include "GraphSeries.h"

struct ActualRequest {
    std::string file;                 // FILE.Act, or FILE.Bgt with imports
    std::vector<std::string> imports; // bank exports, in order
    std::vector<std::string> rules;   // TEXT=RECORD, first before any file's rules
    std::optional<std::string> rulesFile;
    std::optional<std::string> period;
    std::optional<std::string> from;
    std::optional<std::string> columns; // date=N,description=N,amount=N,debit=N,credit=N
    int today = 0;                      // the default period's month when there is no transaction
};

struct ActualPrepared {
    Actuals actuals;
    BudgetTables budget;
    ActualResult result;
    std::string budgetName;
    bool periodGiven = false;
};

// Why there is no report: 2 a usage error, 1 a file that could not be read.
struct ActualRefusal {
    int status;
    std::string message;
};

std::variant<std::shared_ptr<ActualPrepared>, ActualRefusal>
prepareActual(const ActualRequest& request);

// `date=3,description=2,amount=5` (or debit= and credit=); nothing when malformed.
std::optional<CsvColumns> csvColumnsFrom(std::string_view text);

// Budgeted and actual side by side for the records with the largest budgets, at most twelve,
// in the order of the budget's own records.
ChartData actualChart(const ActualResult& result, const std::string& currencySymbol);

inline constexpr std::string_view ActualGraphTitle = "Budgeted and actual";
