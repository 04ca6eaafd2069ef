#pragma once
// What the net worth history shows and prints: the figures as text, the printout (the
// summary, then the lines in pages of as many statements as fit the width), the two CSVs,
// the graph's data and the quick help.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "GraphSeries.h"
#include "History.h"
#include "NumberFormat.h"
#include "ReportFrame.h"

class Printer;

// "593,826.05", "-1,200.00"; "" for nothing.
std::string historyFigure(const std::optional<Currency>& amount, const NumberSeparators& seps);
// "10.12%"; "" for nothing.
std::string rateText(const std::optional<double>& rate, const NumberSeparators& seps);

// The summary's column headings and a row's texts, as the grid and the printout show them:
// date, label, assets, liabilities, net worth, change, since the first, yearly rate.
extern const std::vector<std::string> SummaryHeadings;
std::vector<std::string> summaryTexts(const SummaryRow& row, const NumberSeparators& seps,
                                      const std::function<std::string(int)>& formatDate);

struct HistoryReportInput : ReportSettings {
    const HistoryResult* result = nullptr;
    std::function<std::string(int)> formatDate; // a day number as the printout shows it
};

// Everything after the printer set-up, the header line first. `linesPerPage` is what the
// set-up returned.
void printHistoryReport(Printer& printer, const HistoryReportInput& in, int linesPerPage);
// The whole document: set-up, the report, end of document.
void printHistoryDocument(Printer& printer, const HistoryReportInput& in);

// `date,label,assets,liabilities,net_worth,change,change_since_first`, a line per statement.
std::string historySummaryCsv(const HistoryResult& result);
// `line,kind,` then a column per statement's date; a line per line, kind asset or liability.
std::string historyLinesCsv(const HistoryResult& result);

inline constexpr std::string_view HistoryGraphTitle = "Net worth at each statement";
inline constexpr std::string_view HistoryGroupsTitle = "Assets and liabilities at each statement";
// The graph's bars: the latest `most` statements, each labelled by its year when no two of
// them share a year, else by its number in the history.
struct HistoryBars {
    std::vector<int> labels;
    std::vector<Currency> netWorth, assets, liabilities;
};
HistoryBars historyBars(const HistoryResult& result, int most);
ChartData historyChart(const HistoryResult& result, bool grouped, const std::string& symbol,
                       int most);

std::vector<std::string> historyQuickHelp(const std::string& symbol);
