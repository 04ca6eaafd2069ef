#include "ScheduleTexts.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Cols = 6;

int whole(Currency c) {
    return static_cast<int>(c.raw() / Currency::Scale);
}

// Number of the final payment, recovered from the single-precision years figure (exact for
// every schedule length the table holds).
int finalPaymentNumber(const Amortization& a) {
    return static_cast<int>(std::lround(static_cast<double>(a.yearsToFinal) * a.paymentsPerYear));
}

} // namespace

AmortizationTexts resultTexts(const Amortization& result, const AmortizationInput& input,
                              std::string_view currencySymbol, const NumberSeparators& seps) {
    const std::string symbol(currencySymbol);
    AmortizationTexts t;
    t.numPmtsYear =
        RightAlign(formatNumber(static_cast<double>(result.paymentsPerYear), "###", seps), 12);
    t.inMonthPI = RightAlign(symbol + formatNumber(result.payment, "###,,###.00", seps), 12);
    t.periodicR = formatNumber(result.periodicRate, "0.########", seps);
    if (result.paymentsPerYear == 12 || result.paymentsPerYear == 24) {
        t.inDays = "Normal";
    } else {
        const float d = daysInYearSet(input.daysChoice).daysInYear;
        t.inDays = formatNumber(static_cast<double>(d), d == 365.25f ? "###.##" : "###", seps);
    }
    double toFinal = static_cast<double>(finalPaymentNumber(result)) / result.paymentsPerYear;
    if (input.mortgageMode == 2)
        toFinal *= 12.0;
    t.endMortYear = RightAlign(formatNumber(toFinal, "###.00", seps), 12);
    t.allPayments = RightAlign(symbol + formatNumber(result.totalPaid, "###,,###.00", seps), 12);
    const Currency savings =
        result.interestSavings < Currency::fromWhole(10) ? Currency{} : result.interestSavings;
    t.totSavd = RightAlign(symbol + formatNumber(savings, "###,,###.00", seps), 12);
    return t;
}

std::vector<std::string> extraPaymentsBlock(const Amortization& result,
                                            const NumberSeparators& seps) {
    std::vector<std::string> lines;
    if (result.applied.empty())
        return lines;
    lines.emplace_back("Additional  Payments     Applied");
    lines.emplace_back();
    for (const auto& p : result.applied)
        lines.push_back(RightAlign(formatNumber(static_cast<double>(p.year), "###", seps), 3) +
                        " Year   " + RightAlign(formatNumber(p.amount, "###,,###.00", seps), 12));
    return lines;
}

std::string mortgageGraphTitle(int mortgageMode) {
    return mortgageMode == 2 ? "Personal Loan balance at start of each Year"
                             : "Mortgage balance at start of each Year";
}

int scheduleFirstColumnView(const ScheduleGridOptions& options) {
    if (options.scheduleView == 1)
        return 1;
    return options.dateView == 1 ? 2 : 0;
}

std::array<std::string, 6> scheduleGridHeadings(int firstColumnView) {
    const char* first = firstColumnView == 1   ? " Payment  Year"
                        : firstColumnView == 2 ? " Payment  Date"
                                               : "  Payment   No.  Year";
    return {first,
            "Interest Payment",
            "Principal Payment",
            "Remaining Balance",
            "Cumulative Interest",
            "Cumulative Principal"};
}

std::vector<std::string> scheduleGridCells(const Amortization& result,
                                           const ScheduleGridOptions& options) {
    const int view = scheduleFirstColumnView(options);
    const int last = std::min<int>(result.last, static_cast<int>(result.rows.size()) - 1);
    const bool extras = options.extraPaymentsInUse > 0;
    // Schedule rows, "Total:", then (with additional payments) two empty rows, the
    // heading row and one row per applied payment.
    const size_t rows =
        static_cast<size_t>(std::max(last, 0)) + 1 + (extras ? 3 + result.applied.size() : 0);
    std::vector<std::string> cells(rows * Cols);
    auto money = [&](Currency c) { return formatNumber(c, "####,,###.00", options.seps); };

    for (int k = 1; k <= last; ++k) {
        const ScheduleRow& row = result.rows[static_cast<size_t>(k)];
        std::string* out = &cells[static_cast<size_t>(k - 1) * Cols];
        if (view == 2 && options.formatDate) {
            out[0] = options.formatDate(whole(row.dateOrYear));
        } else if (view == 1) {
            out[0] = RightAlign(formatNumber(row.number, "####"), 5);
        } else {
            out[0] = RightAlign(formatNumber(row.number, "####"), 5) +
                     RightAlign(formatNumber(row.dateOrYear, "###"), 4);
        }
        out[1] = money(row.interest);
        out[2] = money(row.principal);
        out[3] = money(row.balance);
        out[4] = money(row.cumInterest);
        out[5] = money(row.cumPrincipal);
    }

    std::string* total = &cells[static_cast<size_t>(std::max(last, 0)) * Cols];
    total[0] = "Total:";
    if (last >= 1) {
        const ScheduleRow& final = result.rows[static_cast<size_t>(last)];
        const std::string& sym = options.currencySymbol;
        total[3] = sym + formatNumber(final.balance, "####,,###.00", options.seps);
        total[4] = sym + formatNumber(final.cumInterest, "####,,###.00", options.seps);
        total[5] = sym + formatNumber(final.cumPrincipal, "####,,###.00", options.seps);
    }

    if (extras) {
        std::string* head = &cells[static_cast<size_t>(last + 3) * Cols];
        head[1] = "Additional ";
        head[2] = "Payments  ";
        head[3] = "Applied  ";
        size_t r = static_cast<size_t>(last) + 4;
        for (const AppliedExtraPayment& paid : result.applied) {
            std::string* out = &cells[r * Cols];
            out[1] = "Year  " + RightAlign(formatNumber(static_cast<double>(paid.year), "###"), 3);
            out[2] = formatNumber(paid.amount, "###,,###.00", options.seps);
            ++r;
        }
    }
    return cells;
}
