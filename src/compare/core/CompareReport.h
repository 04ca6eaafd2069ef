#pragma once
// The comparison printout (the plans side by side), a plan's schedule printout (every payment
// or yearly totals), and both as CSV.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "CompareEngine.h"
#include "GraphTable.h"
#include "ReportFrame.h"

class Printer;

struct ComparedPlan {
    LoanPlan plan;
    PlanResult result;
    char letter = 0; // the plan's own letter, kept when a plan before it is left out; 0: by place
};

struct CompareReportInput : ReportSettings {
    std::vector<ComparedPlan> plans; // A, B, C in order
    // Dates as the reader wants them (ISO text in pecunex-report, the short date on screen).
    std::function<std::string(int)> formatDate;
};

// "$1,234.50", "-$31,837.69": the figure with the currency symbol, the minus before both.
std::string currencyText(Currency value, std::string_view symbol, const NumberSeparators& seps);

// The letter of plan i: A, B, C.
char planLetter(std::size_t i);
// The letter of the i-th plan compared: its own, or by its place.
char planLetter(const std::vector<ComparedPlan>& plans, std::size_t i);

// Interest saved against plan A: A's total interest minus the plan's; nothing when plan A is
// not among the plans (a plan A without a principal is left out).
std::optional<Currency> interestSaved(const std::vector<ComparedPlan>& plans, std::size_t i);

// "quarterly (4)" under the bank conventions, "quarterly (3)" under the worksheet's: the
// compounding as the comparison says it.
std::string compoundingText(const LoanPlan& plan);

// The comparison as lines of the printout: a label and each plan's text; a line without a
// label is an empty line.
struct ComparisonLine {
    std::string label;
    std::vector<std::string> plans;
};
std::vector<ComparisonLine> comparisonLines(const CompareReportInput& in);

// A plan's yearly totals.
std::vector<YearRow> planYears(const ComparedPlan& plan);

// A plan's schedule as texts, a row per payment (number, date, payment, interest,
// principal, extra, balance) or per year (year, payments, interest, principal, balance).
class ScheduleTexts {
  public:
    ScheduleTexts(const ComparedPlan& plan, bool annual, const ReportSettings& settings,
                  std::function<std::string(int)> formatDate);
    // Figures as `money` writes them.
    ScheduleTexts(const ComparedPlan& plan, bool annual, std::function<std::string(Currency)> money,
                  std::function<std::string(int)> formatDate);
    bool annual() const { return annual_; }
    std::size_t rows() const;
    std::vector<std::string> row(std::size_t i) const;

  private:
    const ComparedPlan& plan_;
    bool annual_;
    std::function<std::string(Currency)> money_;
    std::function<std::string(int)> formatDate_;
    std::vector<YearRow> years_;
};

// The reports' lines, after the printer set-up (the worksheet's printout frame does that).
void printComparison(Printer& printer, const CompareReportInput& in);
void printSchedule(Printer& printer, const CompareReportInput& in, std::size_t plan, bool annual,
                   int linesPerPage);

// The whole documents: set-up, report, end of document.
void printComparisonDocument(Printer& printer, const CompareReportInput& in);
void printScheduleDocument(Printer& printer, const CompareReportInput& in, std::size_t plan,
                           bool annual);

// `plan,payment,payments,last_payment,total_interest,total_paid,years,interest_saved`
std::string comparisonCsv(const std::vector<ComparedPlan>& plans);
// `number,date,payment,interest,principal,extra,balance`, or by year
// `year,payments,interest,principal,balance`.
std::string scheduleCsv(const ComparedPlan& plan, bool annual);

// The graph: each plan's balance at the start of each year, named "Plan A", "Plan B", ...
inline constexpr const char* ComparisonGraphTitle = "Loan balance at start of each Year";
std::vector<NamedGraphTable> balanceGraphSeries(const std::vector<ComparedPlan>& plans);
// The years the graph shows: the longest plan's.
int balanceGraphYears(const std::vector<NamedGraphTable>& series);
