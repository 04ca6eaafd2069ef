#pragma once
// The texts the mortgage and loan worksheet shows from a calculation: the result labels,
// the graph title, the schedule grid's cells and the additional-payments block.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Amortization.h"
#include "NumberFormat.h"

// The result labels as the worksheet shows them.
struct AmortizationTexts {
    std::string numPmtsYear, inMonthPI, periodicR, inDays, endMortYear, allPayments, totSavd;
};
AmortizationTexts resultTexts(const Amortization& result, const AmortizationInput& input,
                              std::string_view currencySymbol, const NumberSeparators& seps);

// The additional-payments block of the printout: title, empty line, one line per applied
// payment. Empty when none was applied.
std::vector<std::string> extraPaymentsBlock(const Amortization& result,
                                            const NumberSeparators& seps);

// The bar graph's title.
std::string mortgageGraphTitle(LoanMode mode);

// What a schedule line shows after its first column: interest, principal (a payment's
// extra with it), balance, cumulative interest and cumulative principal.
using ScheduleFigures = std::array<Currency, 5>;
ScheduleFigures scheduleFigures(const PaymentRow& row);
ScheduleFigures scheduleFigures(const YearRow& row);
// The last line's figures in `view`; the schedule has at least one payment.
ScheduleFigures finalFigures(const Amortization& result, ScheduleView view);

struct ScheduleGridOptions {
    ScheduleView scheduleView = ScheduleView::AllPayments;
    DateView dateView = DateView::PaymentNumbers;
    int extraPaymentsInUse = 0;
    std::string currencySymbol = "$";
    NumberSeparators seps;
    std::function<std::string(int)> formatDate; // day number -> short date
};

// What the grid's first column shows.
enum class FirstColumn { NumberAndYear, Year, Date };
FirstColumn scheduleFirstColumn(const ScheduleGridOptions& options);
std::array<std::string, 6> scheduleGridHeadings(FirstColumn first);

// The cells of the six-column grid from body row 1 on, row by row: one row per schedule
// row, the "Total:" row, and (with additional payments) two empty rows, the heading row
// and one row per applied payment.
std::vector<std::string> scheduleGridCells(const Amortization& result,
                                           const ScheduleGridOptions& options);
